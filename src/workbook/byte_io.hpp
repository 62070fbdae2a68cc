#pragma once
// Little-endian reading and writing of record payloads. The reader never reads
// past its end: a short payload throws FormatError, which the workbook turns into
// a "damaged" error at its boundary.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vaporel::xls {

using Bytes = std::vector<std::uint8_t>;

struct FormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  double f64();
  std::span<const std::uint8_t> bytes(std::size_t count);
  void skip(std::size_t count) { bytes(count); }

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ == data_.size(); }

 private:
  void need(std::size_t count) const;
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  ByteWriter& u8(std::uint8_t v);
  ByteWriter& u16(std::uint16_t v);
  ByteWriter& u32(std::uint32_t v);
  ByteWriter& f64(double v);
  ByteWriter& bytes(std::span<const std::uint8_t> b);
  ByteWriter& zeros(std::size_t count);

  const Bytes& data() const { return out_; }
  Bytes take() { return std::move(out_); }

 private:
  Bytes out_;
};

void PutU16(Bytes& b, std::size_t at, std::uint16_t v);
void PutU32(Bytes& b, std::size_t at, std::uint32_t v);
std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t at);  // throws FormatError

// UTF-16 code units <-> UTF-8 (unpaired surrogates become U+FFFD).
std::string Utf8FromUtf16(const std::u16string& s);
std::u16string Utf16FromUtf8(const std::string& s);

}  // namespace vaporel::xls
