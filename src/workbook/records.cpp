#include "workbook/records.hpp"

#include <algorithm>
#include <string>

namespace vaporel::xls {

namespace {

// Reads one substream starting at `pos`; nested BOF/EOF pairs stay inside it.
Substream ReadOne(std::span<const std::uint8_t> stream, std::size_t& pos) {
  Substream sub;
  sub.offset = pos;
  int depth = 0;
  while (true) {
    if (stream.size() - pos < 4) throw FormatError("substream without EOF");
    const std::uint16_t id = GetU16(stream, pos);
    const std::uint16_t len = GetU16(stream, pos + 2);
    if (stream.size() - pos - 4 < len) {
      throw FormatError("record at offset " + std::to_string(pos) + " runs past the end");
    }
    if (sub.records.empty() && id != rid::Bof) throw FormatError("substream does not start with BOF");
    Record r{id, Bytes(stream.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                       stream.begin() + static_cast<std::ptrdiff_t>(pos + 4 + len))};
    pos += 4 + len;
    sub.records.push_back(std::move(r));
    if (id == rid::Bof) ++depth;
    if (id == rid::Eof && --depth == 0) return sub;
  }
}

}  // namespace

std::vector<Substream> ReadSubstreams(std::span<const std::uint8_t> stream) {
  std::vector<Substream> subs;
  std::size_t pos = 0;
  while (pos < stream.size()) {
    const auto rest = stream.subspan(pos);
    if (std::all_of(rest.begin(), rest.end(), [](std::uint8_t b) { return b == 0; })) break;
    subs.push_back(ReadOne(stream, pos));
  }
  if (subs.empty()) throw FormatError("empty Workbook stream");
  return subs;
}

void AppendRecord(Bytes& out, const Record& r) {
  if (r.data.size() > 0xFFFF) throw FormatError("record payload too long");
  out.push_back(static_cast<std::uint8_t>(r.id & 0xFF));
  out.push_back(static_cast<std::uint8_t>(r.id >> 8));
  out.push_back(static_cast<std::uint8_t>(r.data.size() & 0xFF));
  out.push_back(static_cast<std::uint8_t>(r.data.size() >> 8));
  out.insert(out.end(), r.data.begin(), r.data.end());
}

Bytes EncodeRecords(std::span<const Record> records) {
  Bytes out;
  for (const auto& r : records) AppendRecord(out, r);
  return out;
}

std::uint16_t BofType(const Record& bof) { return GetU16(bof.data, 2); }

}  // namespace vaporel::xls
