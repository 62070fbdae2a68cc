#include "workbook/style_tables.hpp"

#include "workbook/byte_io.hpp"

namespace vaporel::xls {

StyleTables StyleTables::read(const std::vector<Record>& globals) {
  StyleTables t;
  for (const auto& r : globals) {
    switch (r.id) {
      case rid::Font: t.fonts_.push_back(ReadFont(r)); break;
      case rid::Xf: t.xfs_.push_back(ReadXf(r)); break;
      case rid::Format: {
        FormatRecord f = ReadFormat(r);
        t.formats_[f.index] = std::move(f.code);
        break;
      }
      case rid::Palette: t.palette_ = ReadPalette(r); break;
      default: break;
    }
  }
  return t;
}

const XfRecord& StyleTables::xf(std::uint16_t index) const {
  if (index < xfs_.size()) return xfs_[index];
  if (xfs_.size() > 15) return xfs_[15];
  return fallback_;
}

FontView StyleTables::fontView(std::uint16_t index) const {
  std::size_t i = index < 4 ? index : static_cast<std::size_t>(index) - 1;
  if (index == 4 || i >= fonts_.size()) i = 0;
  FontView v;
  if (fonts_.empty()) {
    v.name = "Arial";
    return v;
  }
  const FontRecord& f = fonts_[i];
  v.name = Utf8FromUtf16(f.name);
  v.heightTwips = f.height;
  v.bold = f.bold();
  v.italic = f.italic();
  v.underline = f.underline != 0;
  v.colourIndex = f.colour;
  v.colour = ColourOf(palette_, f.colour, Rgb{0, 0, 0});
  return v;
}

FillView StyleTables::fillView(const XfRecord& xf) const {
  FillView v;
  v.pattern = xf.pattern();
  v.foreIndex = xf.foreColour();
  v.backIndex = xf.backColour();
  v.fore = ColourOf(palette_, v.foreIndex, Rgb{255, 255, 255});
  v.back = ColourOf(palette_, v.backIndex, Rgb{255, 255, 255});
  return v;
}

std::u16string StyleTables::formatCode(std::uint16_t index) const {
  if (const auto it = formats_.find(index); it != formats_.end()) return it->second;
  const auto builtIn = BuiltInFormatCode(index);
  return builtIn.empty() ? u"General" : builtIn;
}

}  // namespace vaporel::xls
