#include "project/unsafe_non_ascii.hpp"

namespace vaporel {
namespace {

// toml++'s own test, in its own arithmetic: the characters of U+00A0 .. U+FEFF fall into
// blocks of 0x3FA; blocks 0, 11 and 63 reach the unreachable branch but for U+00A0, U+3000
// and U+FEFF (which it names whitespace first).
bool Unsafe(std::uint32_t c) {
  if (c < 0xA0 || c > 0xFEFF || c == 0xA0 || c == 0x3000 || c == 0xFEFF) return false;
  const std::uint32_t block = (c - 0xA0) / 0x3FA;
  return block == 0 || block == 11 || block == 63;
}

// The length of the sequence a lead byte begins (1 for ASCII and stray bytes).
std::size_t SequenceLength(unsigned char lead) {
  if ((lead & 0xE0U) == 0xC0U) return 2;
  if ((lead & 0xF0U) == 0xE0U) return 3;
  if ((lead & 0xF8U) == 0xF0U) return 4;
  return 1;
}

}  // namespace

std::optional<UnsafeCharacter> FirstUnsafeCharacter(std::string_view text) {
  FilePosition at{1, 1};
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(lead);
    if (length > 1 && i + length <= text.size()) {
      std::uint32_t c = lead & (0x7FU >> length);
      for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
      if (Unsafe(c)) return UnsafeCharacter{at, c};
    }
    if (lead == '\n') {
      ++at.line;
      at.column = 1;
    } else {
      ++at.column;
    }
    i += length > 1 && i + length <= text.size() ? length : 1;
  }
  return std::nullopt;
}

}  // namespace vaporel
