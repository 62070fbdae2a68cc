#pragma once
// The workbook's fonts, XFs, number formats and palette, read from the globals,
// answering "what does XF n look like" for cell reads and sheet views.

#include <map>
#include <string>
#include <vector>

#include "workbook/records.hpp"
#include "workbook/sheet_view.hpp"
#include "workbook/style_records.hpp"

namespace vaporel::xls {

class StyleTables {
 public:
  static StyleTables read(const std::vector<Record>& globals);  // throws FormatError

  // XF n, or the default cell XF when n does not exist.
  const XfRecord& xf(std::uint16_t index) const;
  // Font n as XFs number fonts (there is no font 4); font 0 when n does not exist.
  FontView fontView(std::uint16_t index) const;
  FillView fillView(const XfRecord& xf) const;
  std::u16string formatCode(std::uint16_t index) const;

 private:
  std::vector<FontRecord> fonts_;
  std::vector<XfRecord> xfs_;
  std::map<std::uint16_t, std::u16string> formats_;
  Palette palette_ = DefaultPalette();
  XfRecord fallback_;
};

}  // namespace vaporel::xls
