#include "workbook/byte_io.hpp"

#include <bit>
#include <cstring>

namespace vaporel::xls {

void ByteReader::need(std::size_t count) const {
  if (count > data_.size() - pos_) throw FormatError("record shorter than its fields");
}

std::uint8_t ByteReader::u8() {
  need(1);
  return data_[pos_++];
}

std::uint16_t ByteReader::u16() {
  need(2);
  const std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::uint32_t ByteReader::u32() {
  const std::uint32_t lo = u16();
  const std::uint32_t hi = u16();
  return lo | (hi << 16);
}

double ByteReader::f64() {
  const std::uint64_t lo = u32();
  const std::uint64_t hi = u32();
  return std::bit_cast<double>(lo | (hi << 32));
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t count) {
  need(count);
  auto s = data_.subspan(pos_, count);
  pos_ += count;
  return s;
}

ByteWriter& ByteWriter::u8(std::uint8_t v) {
  out_.push_back(v);
  return *this;
}

ByteWriter& ByteWriter::u16(std::uint16_t v) {
  out_.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out_.push_back(static_cast<std::uint8_t>(v >> 8));
  return *this;
}

ByteWriter& ByteWriter::u32(std::uint32_t v) {
  u16(static_cast<std::uint16_t>(v & 0xFFFF));
  return u16(static_cast<std::uint16_t>(v >> 16));
}

ByteWriter& ByteWriter::f64(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  u32(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
  return u32(static_cast<std::uint32_t>(bits >> 32));
}

ByteWriter& ByteWriter::bytes(std::span<const std::uint8_t> b) {
  out_.insert(out_.end(), b.begin(), b.end());
  return *this;
}

ByteWriter& ByteWriter::zeros(std::size_t count) {
  out_.insert(out_.end(), count, 0);
  return *this;
}

void PutU16(Bytes& b, std::size_t at, std::uint16_t v) {
  b.at(at) = static_cast<std::uint8_t>(v & 0xFF);
  b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  PutU16(b, at, static_cast<std::uint16_t>(v & 0xFFFF));
  PutU16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t at) {
  ByteReader r(b);
  r.skip(at);
  return r.u16();
}

std::string Utf8FromUtf16(const std::u16string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u16string Utf16FromUtf8(const std::string& s) {
  std::u16string out;
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
      c = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
      c = b0 & 0x1F, extra = 1;
    } else if ((b0 & 0xF0) == 0xE0) {
      c = b0 & 0x0F, extra = 2;
    } else if ((b0 & 0xF8) == 0xF0) {
      c = b0 & 0x07, extra = 3;
    } else {
      c = 0xFFFD;
    }
    ++i;
    for (int k = 0; k < extra; ++k) {
      if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
        c = 0xFFFD;
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
      ++i;
    }
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

}  // namespace vaporel::xls
