#include "workbook/style_records.hpp"

#include "workbook/strings.hpp"

namespace vaporel::xls {

FontRecord ReadFont(const Record& r) {
  ByteReader in(r.data);
  FontRecord f;
  f.height = in.u16(), f.flags = in.u16(), f.colour = in.u16(), f.weight = in.u16();
  f.escapement = in.u16(), f.underline = in.u8(), f.family = in.u8(), f.charset = in.u8();
  in.u8();
  f.name = ReadXlUnicodeString(in, true);
  return f;
}

Record WriteFont(const FontRecord& f) {
  ByteWriter w;
  w.u16(f.height).u16(f.flags).u16(f.colour).u16(f.weight).u16(f.escapement);
  w.u8(f.underline).u8(f.family).u8(f.charset).u8(0);
  WriteXlUnicodeString(w, f.name, true);
  return Record{rid::Font, w.take()};
}

XfRecord XfRecord::style(std::uint16_t font) {
  XfRecord xf;
  xf.font = font;
  xf.typeAndParent = 0xFFF5;  // locked, style XF, no parent
  xf.usedAttributes = font == 0 ? 0x00 : 0xF4;
  return xf;
}

XfRecord XfRecord::cell(std::uint16_t font, std::uint16_t format, HAlign h, VAlign v) {
  XfRecord xf;
  xf.font = font;
  xf.format = format;
  xf.typeAndParent = 0x0001;  // locked, cell XF, parent Normal
  xf.alignment = static_cast<std::uint8_t>(static_cast<unsigned>(h) | (static_cast<unsigned>(v) << 4));
  xf.usedAttributes = 0xFC;  // number format, font, alignment, border, fill, protection all its own
  return xf;
}

XfRecord& XfRecord::solidFill(std::uint16_t colour) {
  border2 = (border2 & 0x03FFFFFFu) | (1u << 26);
  fillColours = static_cast<std::uint16_t>((colour & 0x7F) | (0x41 << 7));
  return *this;
}

XfRecord ReadXf(const Record& r) {
  ByteReader in(r.data);
  XfRecord xf;
  xf.font = in.u16(), xf.format = in.u16(), xf.typeAndParent = in.u16();
  xf.alignment = in.u8(), xf.rotation = in.u8(), xf.indent = in.u8(), xf.usedAttributes = in.u8();
  xf.border1 = in.u32(), xf.border2 = in.u32(), xf.fillColours = in.u16();
  return xf;
}

Record WriteXf(const XfRecord& xf) {
  ByteWriter w;
  w.u16(xf.font).u16(xf.format).u16(xf.typeAndParent);
  w.u8(xf.alignment).u8(xf.rotation).u8(xf.indent).u8(xf.usedAttributes);
  w.u32(xf.border1).u32(xf.border2).u16(xf.fillColours);
  return Record{rid::Xf, w.take()};
}

FormatRecord ReadFormat(const Record& r) {
  ByteReader in(r.data);
  FormatRecord f;
  f.index = in.u16();
  f.code = ReadXlUnicodeString(in, false);
  return f;
}

Record WriteFormat(const FormatRecord& f) {
  ByteWriter w;
  w.u16(f.index);
  WriteXlUnicodeString(w, f.code, false);
  return Record{rid::Format, w.take()};
}

Palette DefaultPalette() {
  static constexpr std::uint32_t colours[56] = {
      0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,  // 8-15
      0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,  // 16-23
      0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,  // 24-31
      0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,  // 32-39
      0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,  // 40-47
      0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,  // 48-55
      0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,  // 56-63
  };
  Palette p;
  for (std::size_t i = 0; i < p.size(); ++i) {
    p[i] = Rgb{static_cast<std::uint8_t>(colours[i] >> 16), static_cast<std::uint8_t>(colours[i] >> 8),
               static_cast<std::uint8_t>(colours[i])};
  }
  return p;
}

Palette ReadPalette(const Record& r) {
  ByteReader in(r.data);
  Palette p = DefaultPalette();
  const std::uint16_t count = in.u16();
  for (std::uint16_t i = 0; i < count && i < p.size(); ++i) {
    const auto b = in.bytes(4);
    p[i] = Rgb{b[0], b[1], b[2]};
  }
  return p;
}

Rgb ColourOf(const Palette& palette, std::uint16_t index, Rgb automatic) {
  static constexpr Rgb ega[8] = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0},   {0, 255, 0},
                                 {0, 0, 255}, {255, 255, 0},   {255, 0, 255}, {0, 255, 255}};
  if (index < 8) return ega[index];
  if (index < 64) return palette[index - 8];
  return automatic;
}

Record WriteBuiltInStyle(std::uint16_t xf, std::uint8_t builtInId) {
  ByteWriter w;
  w.u16(static_cast<std::uint16_t>(0x8000 | (xf & 0x0FFF))).u8(builtInId).u8(0xFF);
  return Record{rid::Style, w.take()};
}

std::u16string BuiltInFormatCode(std::uint16_t index) {
  switch (index) {
    case 0: return u"General";
    case 1: return u"0";
    case 2: return u"0.00";
    case 3: return u"#,##0";
    case 4: return u"#,##0.00";
    case 9: return u"0%";
    case 10: return u"0.00%";
    case 11: return u"0.00E+00";
    case 12: return u"# ?/?";
    case 13: return u"# ?\?/?\?";
    case 14: return u"m/d/yy";
    case 48: return u"##0.0E+0";
    case 49: return u"@";
    default: return u"";
  }
}

}  // namespace vaporel::xls
