#include "report/report_template.hpp"

#include <array>
#include <string>

#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"
#include "workbook/strings.hpp"
#include "workbook/style_records.hpp"
#include "workbook/workbook.hpp"

namespace vaporel::xls {

namespace {

// Fonts as XFs number them: 0-3 Arial 10 (font 0 sets the unit of column widths), no 4.
constexpr std::uint16_t kFontTitle = 5;    // Verdana 12 bold
constexpr std::uint16_t kFontPlain = 6;    // Verdana 10
constexpr std::uint16_t kFontHeading = 7;  // Verdana 10 bold white
constexpr std::uint16_t kFontFiller = 8;   // Verdana 10 white

constexpr std::uint16_t kWhite = 9;
constexpr std::uint16_t kSilver = 22;
constexpr std::uint16_t kGrey = 23;

// Cell XFs after the 15 style XFs and the default cell XF 15.
enum Xf : std::uint16_t {
  Title = 16,
  Subtitle,
  HeadingBottom,
  HeadingCentre,
  HeadingFiller,
  Body,
  BodyTwoDecimals,
  BodyScientific,
  Separator,
};

constexpr std::uint16_t kColumns = 12;  // A to L carry styles
constexpr std::uint16_t kRows = 23;

struct RowLayout {
  const char16_t* text;  // column A; nullptr for an empty cell
  std::uint16_t xfA, xfB;
};

// Rows 1 to 23.
constexpr std::array<RowLayout, kRows> kLayout{{
    {u"THERMODYNAMIC PROPERTIES OF VAPOREL", Title, Title},
    {u"(WITH A BASIC THERMOPHYSICAL PROPERTIES)", Subtitle, Subtitle},
    {u"INPUT DATA", HeadingBottom, HeadingFiller},
    {u"Absolute pressure, Pa  [bar] ", Body, Body},
    {u"Dry bulb temperature [oC] ", Body, Body},
    {u"Enthalpy [kJ/kg] ", Body, Body},
    {nullptr, Separator, Separator},
    {u"OUTPUT OF CALCULATION", HeadingBottom, HeadingFiller},
    {u"Absolute pressure, Pa  [bar]", Body, Body},
    {u"Dry bulb temperature, tdb  [oC]", Body, Body},
    {u"Wet bulb temperature, twb  [oC]", Body, BodyTwoDecimals},
    {u"Dew point  temperature, tdp  [oC]", Body, BodyTwoDecimals},
    {u"Absolute humidity, x  [-]", Body, Body},
    {u"Density, ro [kg/m3]", Body, Body},
    {u"Enthalpy, h  [kJ/kg]", Body, Body},
    {u"Vapor pressure, pv  [bar]", Body, Body},
    {u"Relative humidity, RH  [%]", Body, Body},
    {nullptr, Subtitle, Subtitle},
    {u" THERMOPHYSICAL PROPERTIES", HeadingCentre, HeadingFiller},
    {u"Specific Heat, cp  [kJ/kg]", Body, Body},
    {u"Thermal Conductivity, lam  [W/mK]", Body, Body},
    {u"Dynamic Viscosity, mi  [Pa s]", Body, BodyScientific},
    {u"Prandtl Number, Pr  [-]", Body, Body},
}};

constexpr std::uint16_t kScientificRowC = 21;  // C22 carries the scientific format too

Record Raw(std::uint16_t id, ByteWriter w = {}) { return Record{id, w.take()}; }

FontRecord Font(const char16_t* name, std::uint16_t height, bool bold, std::uint16_t colour) {
  FontRecord f;
  f.name = name;
  f.height = height;
  f.weight = bold ? 700 : 400;
  f.flags = bold ? FontRecord::kBold : 0;
  f.colour = colour;
  f.family = 2;  // swiss
  return f;
}

std::vector<Record> StyleRecords() {
  std::vector<Record> out;
  out.reserve(8);
  for (int i = 0; i < 4; ++i) out.push_back(WriteFont(Font(u"Arial", 200, false, 0x7FFF)));
  out.push_back(WriteFont(Font(u"Verdana", 240, true, 0x7FFF)));   // 5
  out.push_back(WriteFont(Font(u"Verdana", 200, false, 0x7FFF)));  // 6
  out.push_back(WriteFont(Font(u"Verdana", 200, true, kWhite)));   // 7
  out.push_back(WriteFont(Font(u"Verdana", 200, false, kWhite)));  // 8

  constexpr std::uint16_t styleFonts[15] = {0, 1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (auto f : styleFonts) out.push_back(WriteXf(XfRecord::style(f)));
  XfRecord normalCell;
  out.push_back(WriteXf(normalCell));  // 15: default cell XF
  using H = HAlign;
  using V = VAlign;
  out.push_back(WriteXf(XfRecord::cell(kFontTitle, 0, H::Centre, V::Centre)));
  out.push_back(WriteXf(XfRecord::cell(kFontPlain, 0, H::Centre, V::Centre)));
  out.push_back(WriteXf(XfRecord::cell(kFontHeading, 0, H::Centre, V::Bottom).solidFill(kGrey)));
  out.push_back(WriteXf(XfRecord::cell(kFontHeading, 0, H::Centre, V::Centre).solidFill(kGrey)));
  out.push_back(WriteXf(XfRecord::cell(kFontFiller, 0, H::General, V::Centre).solidFill(kSilver)));
  out.push_back(WriteXf(XfRecord::cell(kFontPlain, 0, H::Centre, V::Centre)));
  out.push_back(WriteXf(XfRecord::cell(kFontPlain, 2, H::Centre, V::Centre)));
  out.push_back(WriteXf(XfRecord::cell(kFontPlain, 11, H::Centre, V::Centre)));
  out.push_back(WriteXf(XfRecord::cell(kFontPlain, 0, H::Centre, V::Bottom)));
  out.push_back(WriteBuiltInStyle(0, 0));  // Normal
  return out;
}

Record WriteAccess() {
  ByteWriter w;
  WriteXlUnicodeString(w, u"Vaporel", false);
  Bytes b = w.take();
  b.resize(112, ' ');  // the user name is padded with blanks to 112 bytes
  return Record{rid::WriteAccess, b};
}

Record Window1() {
  ByteWriter w;
  w.u16(360).u16(270).u16(14940).u16(9150).u16(0x0038).u16(0).u16(0).u16(1).u16(600);
  return Raw(rid::Window1, std::move(w));
}

Record Window2() {
  ByteWriter w;
  w.u16(0x06B6).u16(0).u16(0).u16(64).u16(0).u16(0).u16(0).u16(0).u16(0);
  return Raw(rid::Window2, std::move(w));
}

std::vector<Record> GlobalsBeforeSheets() {
  std::vector<Record> g;
  g.push_back(WriteBof(kBofGlobals));
  g.push_back(WriteU16Record(rid::InterfaceHdr, 1200));
  g.push_back(WriteU16Record(rid::Mms, 0));
  g.push_back(Raw(rid::InterfaceEnd));
  g.push_back(WriteAccess());
  g.push_back(WriteU16Record(rid::CodePage, 1200));
  g.push_back(WriteU16Record(rid::Dsf, 0));
  g.push_back(WriteU16Record(rid::TabId, 1));
  g.push_back(WriteU16Record(rid::FnGroupCount, 14));
  g.push_back(WriteU16Record(rid::WindowProtect, 0));
  g.push_back(WriteU16Record(rid::Protect, 0));
  g.push_back(WriteU16Record(rid::Password, 0));
  g.push_back(WriteU16Record(rid::Prot4Rev, 0));
  g.push_back(WriteU16Record(rid::Prot4RevPass, 0));
  g.push_back(Window1());
  g.push_back(WriteU16Record(rid::Backup, 0));
  g.push_back(WriteU16Record(rid::HideObj, 0));
  g.push_back(WriteU16Record(rid::DateMode, 0));
  g.push_back(WriteU16Record(rid::Precision, 1));
  g.push_back(WriteU16Record(rid::RefreshAll, 0));
  g.push_back(WriteU16Record(rid::BookBool, 0));
  for (auto& r : StyleRecords()) g.push_back(std::move(r));
  g.push_back(WriteU16Record(rid::UsesElfs, 0));
  return g;
}

std::vector<Record> GlobalsAfterSheets() {
  std::vector<Record> g;
  ByteWriter country;
  country.u16(1).u16(1);
  g.push_back(Raw(rid::Country, std::move(country)));
  ByteWriter supBook;  // this workbook's own sheets: one sheet
  supBook.u16(1).u16(0x0401);
  g.push_back(Raw(rid::SupBook, std::move(supBook)));
  ByteWriter externSheet;  // one reference: supporting book 0, sheet 0 to 0
  externSheet.u16(1).u16(0).u16(0).u16(0);
  g.push_back(Raw(rid::ExternSheet, std::move(externSheet)));
  g.push_back(WritePrintAreaName(1, 0, CellRange{0, kRows - 1, 0, 1}));
  return g;
}

std::vector<Record> SheetRecords(std::vector<std::u16string>& strings) {
  std::vector<Record> s;
  s.push_back(WriteBof(kBofWorksheet));
  s.push_back(WriteU16Record(rid::CalcMode, 1));
  s.push_back(WriteU16Record(rid::CalcCount, 100));
  s.push_back(WriteU16Record(rid::RefMode, 1));
  s.push_back(WriteU16Record(rid::Iteration, 0));
  s.push_back(WriteDoubleRecord(rid::Delta, 0.001));
  s.push_back(WriteU16Record(rid::SaveRecalc, 1));
  s.push_back(WriteU16Record(rid::PrintHeaders, 0));
  s.push_back(WriteU16Record(rid::PrintGridlines, 0));
  s.push_back(WriteU16Record(rid::GridSet, 1));
  ByteWriter guts;
  guts.zeros(8);
  s.push_back(Raw(rid::Guts, std::move(guts)));
  s.push_back(WriteDefaultRowHeight({0, 255}));
  s.push_back(WriteU16Record(rid::WsBool, 0x04C1));  // fit-to-page clear
  s.push_back(WriteEmptyHeaderFooter(rid::Header));
  s.push_back(WriteEmptyHeaderFooter(rid::Footer));
  s.push_back(WriteU16Record(rid::HCenter, 0));
  s.push_back(WriteU16Record(rid::VCenter, 0));
  PageSetup setup;  // Letter, 100 %, portrait, one copy, 0.5 in header and footer margins
  s.push_back(WriteSetup(setup));
  s.push_back(WriteU16Record(rid::DefColWidth, 8));
  s.push_back(WriteColInfo({0, 0, 10459, 15, 0}));
  s.push_back(WriteColInfo({1, 1, 5083, 15, 0}));
  s.push_back(WriteColInfo({2, 10, 3254, 15, 0}));
  s.push_back(WriteDimensions({0, kRows, 0, kColumns}));
  for (std::uint16_t r = 0; r < kRows; ++r) {
    RowInfo row;
    row.row = r;
    row.firstCol = 0;
    row.lastColPlus1 = kColumns;
    row.height = r < 2 ? 375 : 300;
    row.flags = 0x0100 | RowInfo::kCustomHeight;
    s.push_back(WriteRow(row));
  }
  for (std::uint16_t r = 0; r < kRows; ++r) {
    const RowLayout& layout = kLayout[r];
    if (layout.text) {
      strings.emplace_back(layout.text);
      s.push_back(WriteLabelSst({r, 0, layout.xfA, static_cast<std::uint32_t>(strings.size() - 1)}));
    } else {
      s.push_back(WriteBlank({r, 0, layout.xfA}));
    }
    MulBlank rest{r, 1, {layout.xfB}};
    for (std::uint16_t c = 2; c < kColumns; ++c) {
      rest.xfs.push_back(r == kScientificRowC && c == 2 ? BodyScientific : Body);
    }
    s.push_back(WriteMulBlank(rest));
  }
  s.push_back(Window2());
  s.push_back(WriteU16Record(rid::StandardWidth, 2340));
  s.push_back(WriteMergedCells({{0, 0, 0, 1}, {1, 1, 0, 1}, {6, 6, 0, 1}, {17, 17, 0, 1}}));
  s.push_back(Raw(rid::Eof));
  return s;
}

}  // namespace
}  // namespace vaporel::xls

namespace vaporel {

using namespace xls;

Bytes ReportTemplateStream() {
  std::vector<std::u16string> texts;
  const std::vector<Record> sheet = SheetRecords(texts);
  SharedStrings sst;
  sst.total = static_cast<std::uint32_t>(texts.size());
  for (auto& t : texts) sst.strings.push_back(SstString{t, {}, {}});

  std::vector<Record> globals = GlobalsBeforeSheets();
  const std::size_t boundSheetAt = globals.size();
  globals.push_back(WriteBoundSheet({0, 0, 0, u"Vaporel"}));
  for (auto& r : GlobalsAfterSheets()) globals.push_back(std::move(r));
  std::size_t sstPosition = 0;
  for (const auto& r : globals) sstPosition += RecordSize(r);
  std::vector<StringPlace> places;
  std::vector<Record> sstGroup = WriteSst(sst, &places);
  const Record extSst = WriteExtSst(sstGroup, places, sstPosition);
  for (auto& r : sstGroup) globals.push_back(std::move(r));
  globals.push_back(extSst);
  globals.push_back(Raw(rid::Eof));

  std::size_t sheetPosition = 0;
  for (const auto& r : globals) sheetPosition += RecordSize(r);
  PutU32(globals[boundSheetAt].data, 0, static_cast<std::uint32_t>(sheetPosition));

  Bytes stream = EncodeRecords(globals);
  for (const auto& r : sheet) AppendRecord(stream, r);
  return stream;
}

Result<Bytes> ReportTemplateFile() {
  auto book = Workbook::fromStream(ReportTemplateStream());
  if (!book) return book.error();
  return book->fileBytes();
}

}  // namespace vaporel
