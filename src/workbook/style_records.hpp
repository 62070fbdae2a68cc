#pragma once
// Readers and writers of the records that describe how cells look: FONT, XF,
// FORMAT, PALETTE, STYLE.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "workbook/records.hpp"

namespace vaporel::xls {

struct FontRecord {               // 0x0031
  std::uint16_t height = 200;     // twips
  std::uint16_t flags = 0;        // bit 0 bold (read by some readers), bit 1 italic, bit 3 strike-out
  std::uint16_t colour = 0x7FFF;  // palette index; 0x7FFF = automatic
  std::uint16_t weight = 400;     // 400 normal, 700 bold
  std::uint16_t escapement = 0;
  std::uint8_t underline = 0;
  std::uint8_t family = 0;
  std::uint8_t charset = 0;
  std::u16string name = u"Arial";
  static constexpr std::uint16_t kBold = 0x0001;
  static constexpr std::uint16_t kItalic = 0x0002;
  bool bold() const { return weight >= 700 || (flags & kBold); }
  bool italic() const { return flags & kItalic; }
};
FontRecord ReadFont(const Record& r);
Record WriteFont(const FontRecord& f);

enum class HAlign : std::uint8_t { General, Left, Centre, Right, Fill, Justify, CentreAcross, Distributed };
enum class VAlign : std::uint8_t { Top, Centre, Bottom, Justify, Distributed };

struct XfRecord {  // 0x00E0, 20 bytes
  std::uint16_t font = 0;
  std::uint16_t format = 0;
  std::uint16_t typeAndParent = 0x0001;  // bit 0 locked, bit 2 style XF, bits 4-15 parent
  std::uint8_t alignment = 0x20;         // bits 0-2 horizontal, bit 3 wrap, bits 4-6 vertical
  std::uint8_t rotation = 0;
  std::uint8_t indent = 0;
  std::uint8_t usedAttributes = 0;
  std::uint32_t border1 = 0;
  std::uint32_t border2 = 0;           // bits 26-31: fill pattern
  std::uint16_t fillColours = 0x20C0;  // bits 0-6 foreground, 7-13 background

  HAlign hAlign() const { return static_cast<HAlign>(alignment & 0x07); }
  VAlign vAlign() const { return static_cast<VAlign>(std::min((alignment >> 4) & 0x07, 4)); }
  bool wrap() const { return alignment & 0x08; }
  bool isStyle() const { return typeAndParent & 0x0004; }
  std::uint8_t pattern() const { return static_cast<std::uint8_t>(border2 >> 26); }
  std::uint16_t foreColour() const { return fillColours & 0x7F; }
  std::uint16_t backColour() const { return (fillColours >> 7) & 0x7F; }

  static XfRecord style(std::uint16_t font);  // a style XF as spreadsheet programs write them
  static XfRecord cell(std::uint16_t font, std::uint16_t format, HAlign h, VAlign v);
  XfRecord& solidFill(std::uint16_t colour);
};
XfRecord ReadXf(const Record& r);
Record WriteXf(const XfRecord& xf);

struct FormatRecord {  // 0x041E
  std::uint16_t index = 0;
  std::u16string code;
};
FormatRecord ReadFormat(const Record& r);
Record WriteFormat(const FormatRecord& f);

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Colours 8..63 of a workbook: the default ones unless a PALETTE record replaces them.
using Palette = std::array<Rgb, 56>;
Palette DefaultPalette();
Palette ReadPalette(const Record& r);  // 0x0092
// A colour index as RGB; automatic/system indices give `automatic`.
Rgb ColourOf(const Palette& palette, std::uint16_t index, Rgb automatic);

// STYLE (0x0293) for a built-in style such as Normal (id 0).
Record WriteBuiltInStyle(std::uint16_t xf, std::uint8_t builtInId);

// Format code of a built-in number format, empty when unknown.
std::u16string BuiltInFormatCode(std::uint16_t index);

}  // namespace vaporel::xls
