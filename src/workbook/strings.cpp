#include "workbook/strings.hpp"

#include <algorithm>

namespace vaporel::xls {

namespace {

bool FitsInBytes(const std::u16string& s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c <= 0xFF; });
}

// Reads across the SST and its CONTINUE payloads as one sequence, except that a
// character run continued in the next record starts with a fresh flag byte.
class SegmentReader {
 public:
  explicit SegmentReader(std::span<const Record> records) : records_(records) {}

  std::uint8_t u8() {
    advanceIfAtEnd();
    return records_[seg_].data[pos_++];
  }
  std::uint16_t u16() {
    const std::uint16_t lo = u8();
    return static_cast<std::uint16_t>(lo | (u8() << 8));
  }
  std::uint32_t u32() {
    const std::uint32_t lo = u16();
    return lo | (static_cast<std::uint32_t>(u16()) << 16);
  }
  Bytes bytes(std::size_t count) {
    Bytes b;
    b.reserve(std::min<std::size_t>(count, 1 << 16));
    for (std::size_t i = 0; i < count; ++i) b.push_back(u8());
    return b;
  }
  std::u16string chars(std::size_t count, bool high) {
    std::u16string s;
    while (s.size() < count) {
      if (pos_ == records_[seg_].data.size()) {
        nextSegment();
        high = (u8() & 0x01) != 0;  // a continued run says again how wide its characters are
      }
      if (high) {
        s += static_cast<char16_t>(u16());
      } else {
        s += static_cast<char16_t>(u8());
      }
    }
    return s;
  }

 private:
  void nextSegment() {
    if (seg_ + 1 >= records_.size()) throw FormatError("shared-string table truncated");
    ++seg_;
    pos_ = 0;
  }
  void advanceIfAtEnd() {
    while (pos_ == records_[seg_].data.size()) nextSegment();
  }
  std::span<const Record> records_;
  std::size_t seg_ = 0;
  std::size_t pos_ = 0;
};

// Builds the SST payloads, opening a CONTINUE record whenever the current one is full.
class SegmentWriter {
 public:
  SegmentWriter() { records_.push_back(Record{rid::Sst, {}}); }
  std::size_t room() const { return kMaxRecordData - current().size(); }
  void newRecord() { records_.push_back(Record{rid::Continue, {}}); }
  Bytes& current() { return records_.back().data; }
  const Bytes& current() const { return records_.back().data; }
  std::vector<Record>& records() { return records_; }

 private:
  std::vector<Record> records_;
};

void Put16(Bytes& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, static_cast<std::uint16_t>(v & 0xFFFF));
  Put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A string's character count, flags and run and phonetic sizes, kept in one record with
// its first character; `places` learns where it starts.
void WriteStringHeader(SegmentWriter& w, const SstString& s, bool compressed, std::vector<StringPlace>* places) {
  const std::size_t charSize = compressed ? 1 : 2;
  const std::size_t header = std::size_t{3} + (s.runs.empty() ? 0u : 2u) + (s.extended.empty() ? 0u : 4u);
  if (w.room() < header + (s.text.empty() ? 0 : charSize)) w.newRecord();
  if (places) places->push_back({w.records().size() - 1, w.current().size()});
  std::uint8_t flags = compressed ? 0 : 1;
  if (!s.runs.empty()) flags |= 0x08;
  if (!s.extended.empty()) flags |= 0x04;
  Put16(w.current(), static_cast<std::uint16_t>(s.text.size()));
  w.current().push_back(flags);
  if (!s.runs.empty()) Put16(w.current(), static_cast<std::uint16_t>(s.runs.size() / 4));
  if (!s.extended.empty()) Put32(w.current(), static_cast<std::uint32_t>(s.extended.size()));
}

// The characters, each whole in one record; a CONTINUE record that splits them starts
// with the width flag again.
void WriteCharacters(SegmentWriter& w, const std::u16string& text, bool compressed) {
  const std::size_t charSize = compressed ? 1 : 2;
  for (char16_t c : text) {
    if (w.room() < charSize) {
      w.newRecord();
      w.current().push_back(compressed ? 0 : 1);
    }
    if (compressed) {
      w.current().push_back(static_cast<std::uint8_t>(c));
    } else {
      Put16(w.current(), c);
    }
  }
}

}  // namespace

std::u16string ReadXlUnicodeString(ByteReader& in, bool shortLength) {
  const std::size_t count = shortLength ? in.u8() : in.u16();
  const std::uint8_t flags = in.u8();
  const bool high = flags & 0x01;
  std::size_t runs = 0, ext = 0;
  if (flags & 0x08) runs = in.u16();
  if (flags & 0x04) ext = in.u32();
  std::u16string s;
  s.reserve(count);
  for (std::size_t i = 0; i < count; ++i) s += high ? static_cast<char16_t>(in.u16()) : static_cast<char16_t>(in.u8());
  in.skip(runs * 4);
  in.skip(ext);
  return s;
}

void WriteXlUnicodeString(ByteWriter& out, const std::u16string& s, bool shortLength) {
  if (shortLength) {
    if (s.size() > 0xFF) throw FormatError("string too long for an 8-bit length");
    out.u8(static_cast<std::uint8_t>(s.size()));
  } else {
    if (s.size() > 0xFFFF) throw FormatError("string too long");
    out.u16(static_cast<std::uint16_t>(s.size()));
  }
  const bool compressed = FitsInBytes(s);
  out.u8(compressed ? 0 : 1);
  for (char16_t c : s) compressed ? out.u8(static_cast<std::uint8_t>(c)) : out.u16(c);
}

SharedStrings ReadSst(std::span<const Record> sstAndContinues) {
  if (sstAndContinues.empty() || sstAndContinues[0].data.size() < 8) throw FormatError("SST too short");
  SegmentReader in(sstAndContinues);
  SharedStrings sst;
  sst.total = in.u32();
  const std::uint32_t unique = in.u32();
  // Every string takes at least 3 bytes: a count beyond that is a damaged table.
  std::size_t available = 0;
  for (const auto& r : sstAndContinues) available += r.data.size();
  if (unique > available / 3) throw FormatError("SST string count too large");
  sst.strings.reserve(unique);
  for (std::uint32_t i = 0; i < unique; ++i) {
    SstString s;
    const std::uint16_t count = in.u16();
    const std::uint8_t flags = in.u8();
    std::size_t runs = 0, ext = 0;
    if (flags & 0x08) runs = in.u16();
    if (flags & 0x04) ext = in.u32();
    if (ext > available) throw FormatError("SST phonetic block too large");
    s.text = in.chars(count, flags & 0x01);
    s.runs = in.bytes(runs * 4);
    s.extended = in.bytes(ext);
    sst.strings.push_back(std::move(s));
  }
  return sst;
}

std::vector<Record> WriteSst(const SharedStrings& sst, std::vector<StringPlace>* places) {
  SegmentWriter w;
  Put32(w.current(), sst.total);
  Put32(w.current(), static_cast<std::uint32_t>(sst.strings.size()));
  for (const auto& s : sst.strings) {
    if (s.text.size() > 0xFFFF || s.runs.size() / 4 > 0xFFFF) throw FormatError("shared string too long");
    const bool compressed = FitsInBytes(s.text);
    WriteStringHeader(w, s, compressed, places);
    WriteCharacters(w, s.text, compressed);
    for (std::size_t i = 0; i + 4 <= s.runs.size(); i += 4) {
      if (w.room() < 4) w.newRecord();
      w.current().insert(w.current().end(), s.runs.begin() + static_cast<std::ptrdiff_t>(i),
                         s.runs.begin() + static_cast<std::ptrdiff_t>(i + 4));
    }
    for (std::uint8_t b : s.extended) {
      if (w.room() < 1) w.newRecord();
      w.current().push_back(b);
    }
  }
  return std::move(w.records());
}

Record WriteExtSst(std::span<const Record> sstGroup, std::span<const StringPlace> places, std::size_t sstPosition) {
  // At least 8 strings per bucket and at most 128 buckets.
  const std::size_t perBucket = std::max<std::size_t>(8, (places.size() + 127) / 128);
  std::vector<std::size_t> recordStart;
  std::size_t pos = sstPosition;
  for (const auto& r : sstGroup) {
    recordStart.push_back(pos);
    pos += RecordSize(r);
  }
  ByteWriter w;
  w.u16(static_cast<std::uint16_t>(perBucket));
  for (std::size_t i = 0; i < places.size(); i += perBucket) {
    const auto& p = places[i];
    const std::size_t withinRecord = 4 + p.offset;
    w.u32(static_cast<std::uint32_t>(recordStart.at(p.record) + withinRecord));
    w.u16(static_cast<std::uint16_t>(withinRecord)).u16(0);
  }
  return Record{rid::ExtSst, w.take()};
}

}  // namespace vaporel::xls
