#include "batch/text_width.hpp"

#include <cstdint>

namespace vaporel {
namespace {

struct Range {
  std::uint32_t first, last;
};

// The wide characters: Hangul Jamo, CJK and its punctuation, Hangul syllables, compatibility
// ideographs, fullwidth forms, and the supplementary ideographic planes.
constexpr Range kWide[] = {{0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF},
                           {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
                           {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x20000, 0x3FFFD}};
// Combining diacritical marks take no column of their own.
constexpr Range kCombining[] = {
    {0x0300, 0x036F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0xFE20, 0xFE2F}};

template <std::size_t N>
bool In(const Range (&ranges)[N], std::uint32_t code) {
  for (const Range& r : ranges) {
    if (code >= r.first && code <= r.last) return true;
  }
  return false;
}

}  // namespace

std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::uint32_t code = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    width += In(kCombining, code) ? 0u : In(kWide, code) ? 2u : 1u;
    i += length;
  }
  return width;
}

}  // namespace vaporel
