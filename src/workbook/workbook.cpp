#include "workbook/workbook.hpp"

#include <algorithm>

#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"
#include "workbook/cell_table.hpp"
#include "workbook/number_text.hpp"
#include "workbook/style_tables.hpp"

namespace vaporel::xls {

namespace {

constexpr std::size_t kMinStreamSize = 4096;  // keeps the stream out of the mini stream
constexpr std::size_t kMaxCellText = 32767;
constexpr char kWorkbookStream[] = "Workbook";

// Runs `f`, turning the module's internal exceptions into an Error.
template <class F>
auto Guarded(F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const Error& e) {
    return e;
  } catch (const NotEditable& e) {
    return Error{ErrorCode::CellNotEditable, e.what()};
  } catch (const FormatError& e) {
    return Error{ErrorCode::Damaged, e.what()};
  } catch (const std::out_of_range&) {
    return Error{ErrorCode::Damaged, "a record points outside the tables of the file"};
  } catch (const std::length_error&) {
    return Error{ErrorCode::Damaged, "a record asks for more room than the file holds"};
  } catch (const std::bad_alloc&) {
    return Error{ErrorCode::Damaged, "out of memory"};
  } catch (const std::exception& e) {
    return Error{ErrorCode::Damaged, e.what()};
  }
}

// Reads every record the module relies on, so that a damaged one is found at
// open time rather than half-way through an edit.
// Every cell-format index a sheet holds must name an XF of the file: a cell the report
// writes takes its format from the cell, row or column it replaces, and a writer that
// carried a damaged index would write a file other readers refuse.
void CheckXf(std::uint16_t xf, std::size_t xfCount) {
  if (xf >= xfCount) throw FormatError("a cell format index (" + std::to_string(xf) + ") names no format of the file");
}

void ValidateXfs(const Record& r, std::size_t xfCount) {
  switch (r.id) {
    case rid::LabelSst:
    case rid::Number:
    case rid::Rk:
    case rid::Blank:
    case rid::BoolErr:
    case rid::Formula:
    case rid::Label:
    case rid::RString: CheckXf(GetU16(r.data, 4), xfCount); break;
    case rid::MulBlank:
      for (std::uint16_t xf : ReadMulBlank(r).xfs) CheckXf(xf, xfCount);
      break;
    case rid::MulRk:
      for (const RkValue& cell : ReadMulRk(r).cells) CheckXf(cell.xf, xfCount);
      break;
    case rid::Row:
      if (const RowInfo row = ReadRow(r); row.flags & RowInfo::kHasXf) CheckXf(row.xf(), xfCount);
      break;
    case rid::ColInfo: CheckXf(ReadColInfo(r).xf, xfCount); break;
    default: break;
  }
}

void ValidateSheet(const std::vector<Record>& records, std::size_t stringCount, std::size_t xfCount) {
  for (std::size_t i : TopLevelRecords(records)) {
    const Record& r = records[i];
    switch (r.id) {
      case rid::LabelSst:
        if (ReadLabelSst(r).sst >= stringCount) throw FormatError("string cell points past the string table");
        break;
      case rid::MulBlank: ReadMulBlank(r); break;
      case rid::MulRk: ReadMulRk(r); break;
      case rid::Number: ReadNumber(r); break;
      case rid::Rk: ReadRk(r); break;
      case rid::Blank: ReadBlank(r); break;
      case rid::BoolErr: ReadBoolErr(r); break;
      case rid::Formula: ReadFormulaResult(r); break;
      case rid::Label:
      case rid::RString: ReadLabelText(r); break;
      case rid::Row: ReadRow(r); break;
      case rid::ColInfo: ReadColInfo(r); break;
      case rid::Dimensions: ReadDimensions(r); break;
      case rid::MergedCells: ReadMergedCells(r); break;
      case rid::Index: ReadIndex(r); break;
      case rid::DbCell: ReadDbCell(r); break;
      case rid::Setup: ReadSetup(r); break;
      case rid::DefaultRowHeight: ReadDefaultRowHeight(r); break;
      case rid::DefColWidth:
      case rid::StandardWidth:
      case rid::PrintGridlines:
      case rid::PrintHeaders:
      case rid::HCenter:
      case rid::VCenter:
      case rid::WsBool: ReadU16Record(r); break;
      case rid::LeftMargin:
      case rid::RightMargin:
      case rid::TopMargin:
      case rid::BottomMargin: ReadDoubleRecord(r); break;
      default: break;
    }
    ValidateXfs(r, xfCount);
  }
}

std::string ErrorText(std::uint8_t code) {
  switch (code) {
    case 0x00: return "#NULL!";
    case 0x07: return "#DIV/0!";
    case 0x0F: return "#VALUE!";
    case 0x17: return "#REF!";
    case 0x1D: return "#NAME?";
    case 0x24: return "#NUM!";
    case 0x2A: return "#N/A";
    default: return "#ERR!";
  }
}

// What a sheet's records say of its columns, rows, merged ranges and page.
struct SheetLayout {
  std::vector<ColInfo> columns;
  std::vector<RowInfo> rows;
  std::optional<std::uint16_t> standardWidth, defColWidth;
  DefaultRowHeight defaultRow;
  std::vector<CellRange> merges;  // those that touch the range shown
  PrintSetup print;
};

bool Touches(const CellRange& m, const CellRange& range) {
  return m.lastRow >= range.firstRow && m.firstRow <= range.lastRow && m.lastCol >= range.firstCol &&
         m.firstCol <= range.lastCol;
}

// The page setup records; false for a record of another kind.
bool ReadPrintRecord(const Record& r, PrintSetup& print) {
  switch (r.id) {
    case rid::Setup: print.setup = ReadSetup(r); return true;
    case rid::LeftMargin: print.leftMargin = ReadDoubleRecord(r); return true;
    case rid::RightMargin: print.rightMargin = ReadDoubleRecord(r); return true;
    case rid::TopMargin: print.topMargin = ReadDoubleRecord(r); return true;
    case rid::BottomMargin: print.bottomMargin = ReadDoubleRecord(r); return true;
    case rid::HCenter: print.centreHorizontally = ReadU16Record(r) != 0; return true;
    case rid::VCenter: print.centreVertically = ReadU16Record(r) != 0; return true;
    case rid::PrintGridlines: print.printGridlines = ReadU16Record(r) != 0; return true;
    case rid::PrintHeaders: print.printHeadings = ReadU16Record(r) != 0; return true;
    case rid::WsBool: print.fitToPage = (ReadU16Record(r) & 0x0100) != 0; return true;
    default: return false;
  }
}

SheetLayout ReadLayout(const std::vector<Record>& records, CellRange range) {
  SheetLayout layout;
  for (std::size_t i : TopLevelRecords(records)) {
    const Record& r = records[i];
    if (ReadPrintRecord(r, layout.print)) continue;
    switch (r.id) {
      case rid::ColInfo: layout.columns.push_back(ReadColInfo(r)); break;
      case rid::Row: layout.rows.push_back(ReadRow(r)); break;
      case rid::StandardWidth: layout.standardWidth = ReadU16Record(r); break;
      case rid::DefColWidth: layout.defColWidth = ReadU16Record(r); break;
      case rid::DefaultRowHeight: layout.defaultRow = ReadDefaultRowHeight(r); break;
      case rid::MergedCells:
        for (const auto& m : ReadMergedCells(r)) {
          if (Touches(m, range)) layout.merges.push_back(m);
        }
        break;
      default: break;
    }
  }
  return layout;
}

std::vector<std::uint16_t> ColumnWidths(const SheetLayout& layout, CellRange range) {
  const std::uint16_t otherWidth =
      layout.standardWidth.value_or(layout.defColWidth ? static_cast<std::uint16_t>(*layout.defColWidth * 256) : 2340);
  std::vector<std::uint16_t> widths;
  for (unsigned c = range.firstCol; c <= range.lastCol; ++c) {
    std::uint16_t width = otherWidth;
    for (const auto& ci : layout.columns) {
      if (c >= ci.firstCol && c <= ci.lastCol) width = (ci.flags & ColInfo::kHidden) ? 0 : ci.width;
    }
    widths.push_back(width);
  }
  return widths;
}

std::vector<std::uint16_t> RowHeights(const SheetLayout& layout, CellRange range) {
  std::vector<std::uint16_t> heights;
  for (unsigned r = range.firstRow; r <= range.lastRow; ++r) {
    std::uint16_t height = (layout.defaultRow.flags & 0x0002) ? 0 : layout.defaultRow.height;
    for (const auto& ri : layout.rows) {
      if (ri.row != r) continue;
      if (ri.flags & RowInfo::kHidden) {
        height = 0;
      } else if (!(ri.height & 0x8000)) {
        height = ri.height & 0x7FFF;
      }
    }
    heights.push_back(height);
  }
  return heights;
}

// A cell as a renderer draws it: its text under its number format, font, fill, alignment.
CellView ViewOfCell(CellRef ref, const CellInfo& info, const StyleTables& styles) {
  const XfRecord& xf = styles.xf(info.xf);
  CellView cv;
  cv.row = ref.row, cv.col = ref.col;
  cv.value = info.value;
  cv.xf = info.xf;
  cv.formatIndex = info.formatIndex;
  switch (info.value.kind) {
    case CellKind::Empty: break;
    case CellKind::Number: cv.text = DisplayNumber(info.value.number, info.formatIndex); break;
    case CellKind::Text: cv.text = info.value.text; break;
    case CellKind::Boolean: cv.text = info.value.boolean ? "TRUE" : "FALSE"; break;
    case CellKind::Error: cv.text = ErrorText(info.value.error); break;
  }
  cv.font = styles.fontView(xf.font);
  cv.fill = styles.fillView(xf);
  cv.hAlign = xf.hAlign();
  cv.vAlign = xf.vAlign();
  cv.wrap = xf.wrap();
  return cv;
}

// The shared strings the cells of `subs` still use, in their old order; the cells are
// renumbered to them, and empty HEADER and FOOTER records become empty strings on the way
// (an empty record lets one spreadsheet program print its own default header and footer;
// an empty string prints none in every reader).
SharedStrings RenumberStrings(const SharedStrings& sst, std::vector<Substream>& subs) {
  std::vector<std::uint32_t> newIndex(sst.strings.size(), UINT32_MAX);
  for (const auto& sub : subs) {
    for (const auto& r : sub.records) {
      if (r.id == rid::LabelSst) newIndex.at(ReadLabelSst(r).sst) = 0;
    }
  }
  SharedStrings strings;
  for (std::size_t i = 0; i < newIndex.size(); ++i) {
    if (newIndex[i] == 0) {
      newIndex[i] = static_cast<std::uint32_t>(strings.strings.size());
      strings.strings.push_back(sst.strings[i]);
    }
  }
  for (auto& sub : subs) {
    for (auto& r : sub.records) {
      if ((r.id == rid::Header || r.id == rid::Footer) && r.data.empty()) r = WriteEmptyHeaderFooter(r.id);
      if (r.id != rid::LabelSst) continue;
      LabelSst c = ReadLabelSst(r);
      c.sst = newIndex[c.sst];
      r = WriteLabelSst(c);
      ++strings.total;
    }
  }
  return strings;
}

// Each substream's position in the stream when they follow globals of `globalsSize` bytes,
// their row-block indexes set for those positions.
std::vector<std::size_t> PlaceSubstreams(std::vector<Substream>& subs, std::size_t globalsSize) {
  std::vector<std::size_t> start;
  std::size_t pos = globalsSize;
  for (auto& sub : subs) {
    RefreshIndex(sub.records, 0);  // final sizes first
    start.push_back(pos);
    for (const auto& r : sub.records) pos += RecordSize(r);
  }
  for (std::size_t i = 0; i < subs.size(); ++i) RefreshIndex(subs[i].records, start[i]);
  return start;
}

}  // namespace

Result<Workbook> Workbook::open(const std::string& path) {
  return Guarded([&]() -> Result<Workbook> { return openFile(path); });
}

Result<Workbook> Workbook::openFile(const std::string& path) {
  auto file = ReadOleFile(path);
  if (!file) return file.error();
  const auto& entries = file->entries;
  const auto wb = std::find_if(entries.begin(), entries.end(),
                               [](const OleEntry& e) { return !e.storage && e.name == kWorkbookStream; });
  if (wb == entries.end()) return Error{ErrorCode::NoWorkbookStream, path};
  const Bytes stream = wb->data;
  auto book = fromParts(stream, std::move(*file));
  if (!book && book.error().detail.empty()) return Error{book.error().code, path};
  return book;
}

Result<Workbook> Workbook::fromFileBytes(const Bytes& fileBytes) {
  return Guarded([&]() -> Result<Workbook> { return fromOleBytes(fileBytes); });
}

Result<Workbook> Workbook::fromOleBytes(const Bytes& fileBytes) {
  auto file = ParseOleFile(fileBytes);
  if (!file) return file.error();
  for (const auto& e : file->entries) {
    if (!e.storage && e.name == kWorkbookStream) {
      const Bytes stream = e.data;
      return fromParts(stream, std::move(*file));
    }
  }
  return Error{ErrorCode::NoWorkbookStream, ""};
}

Result<Workbook> Workbook::fromStream(const Bytes& workbookStream) {
  OleFile container;
  container.rootClassId = WorkbookClassId();
  container.entries.push_back(OleEntry{kWorkbookStream, false, {}, {}, {}});
  return fromParts(workbookStream, std::move(container));
}

Result<Workbook> Workbook::fromParts(const Bytes& stream, OleFile container) {
  return Guarded([&]() -> Result<Workbook> {
    Workbook book;
    book.container_ = std::move(container);
    for (auto& e : book.container_.entries) {
      if (!e.storage && e.name == kWorkbookStream) e.data.clear();  // rebuilt on every save
    }
    book.load(stream);
    return book;
  });
}

void Workbook::load(const Bytes& stream) {
  auto subs = ReadSubstreams(stream);
  const Record& bof = subs.front().records.front();
  if (bof.data.size() < 4 || BofVersion(bof) != 0x0600 || BofType(bof) != kBofGlobals) {
    throw Error{ErrorCode::NoWorkbookStream, "not a BIFF8 workbook"};
  }

  // Globals without the shared-string table, remembering where it goes back.
  const auto& all = subs.front().records;
  std::vector<Record> sstGroup;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Record& r = all[i];
    if (r.id == rid::FilePass) throw Error{ErrorCode::Encrypted, ""};
    if (r.id == rid::Sst && !hadSst_) {
      hadSst_ = true;
      sstInsertAt_ = globals_.size();
      sstGroup.push_back(r);
      while (i + 1 < all.size() && all[i + 1].id == rid::Continue) sstGroup.push_back(all[++i]);
      continue;
    }
    if (r.id == rid::ExtSst) continue;
    globals_.push_back(r);
  }
  if (globals_.size() < 2) throw FormatError("globals substream too short");
  if (!hadSst_) sstInsertAt_ = globals_.size() - 1;  // before EOF
  if (hadSst_) sst_ = ReadSst(sstGroup);

  substreams_.assign(std::make_move_iterator(subs.begin() + 1), std::make_move_iterator(subs.end()));
  for (const auto& sub : substreams_) BofType(sub.records.front());  // a sheet's BOF is read on every call
  for (std::size_t i = 0; i < globals_.size(); ++i) {
    if (globals_[i].id != rid::BoundSheet) continue;
    const BoundSheet b = ReadBoundSheet(globals_[i]);
    const auto sub = std::find_if(substreams_.begin(), substreams_.end(),
                                  [&](const Substream& s) { return s.offset == b.position; });
    if (sub == substreams_.end()) throw FormatError("sheet position points to no substream");
    sheets_.push_back(
        SheetEntry{i, static_cast<std::size_t>(sub - substreams_.begin()), b.type, Utf8FromUtf16(b.name)});
  }
  // The fifteen style XFs and at least one cell XF (15, the default cell format) are required.
  const auto xfCount = static_cast<std::size_t>(
      std::count_if(globals_.begin(), globals_.end(), [](const Record& r) { return r.id == rid::Xf; }));
  if (xfCount < 16) throw FormatError("fewer than 16 cell formats");
  for (const auto& sub : substreams_) ValidateSheet(sub.records, sst_.strings.size(), xfCount);
  StyleTables::read(globals_);  // throws if a FONT, XF or FORMAT record is damaged
}

std::vector<std::string> Workbook::sheetNames() const {
  std::vector<std::string> names;
  for (const auto& s : sheets_) names.push_back(s.name);
  return names;
}

Result<std::size_t> Workbook::checkedSheet(std::size_t sheet) const {
  return Guarded([&]() -> Result<std::size_t> {
    if (sheet >= sheets_.size()) return Error{ErrorCode::NoSuchSheet, "position " + std::to_string(sheet + 1)};
    const auto& recs = substreams_[sheets_[sheet].substream].records;
    if (sheets_[sheet].type != 0 || BofType(recs.front()) != kBofWorksheet) {
      return Error{ErrorCode::NoSuchSheet, sheets_[sheet].name + " is not a worksheet"};
    }
    return sheet;
  });
}

Result<std::size_t> Workbook::sheetByName(std::string_view name) const {
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    if (sheets_[i].name == name) return checkedSheet(i);
  }
  return Error{ErrorCode::NoSuchSheet, std::string(name)};
}

Result<std::size_t> Workbook::sheetAt(std::size_t position) const { return checkedSheet(position); }

std::uint32_t Workbook::addString(const std::u16string& text) {
  for (std::size_t i = 0; i < sst_.strings.size(); ++i) {
    const auto& s = sst_.strings[i];
    if (s.text == text && s.runs.empty() && s.extended.empty()) return static_cast<std::uint32_t>(i);
  }
  sst_.strings.push_back(SstString{text, {}, {}});
  return static_cast<std::uint32_t>(sst_.strings.size() - 1);
}

Status Workbook::setCell(std::size_t sheet, CellRef ref, std::string_view text, char decimalSeparator) {
  if (auto s = checkedSheet(sheet); !s) return s.error();
  if (ref.col > 255) return Error{ErrorCode::BadCellReference, CellRefText(ref)};
  return Guarded([&]() -> Status {
    writeCell(sheet, ref, text, decimalSeparator);
    return Done{};
  });
}

Status Workbook::setCell(std::size_t sheet, std::string_view reference, std::string_view text, char decimalSeparator) {
  const auto ref = ParseCellRef(reference);
  if (!ref) return Error{ErrorCode::BadCellReference, std::string(reference)};
  return setCell(sheet, *ref, text, decimalSeparator);
}

void Workbook::writeCell(std::size_t sheet, CellRef ref, std::string_view text, char decimalSeparator) {
  auto& records = substreams_[sheets_[sheet].substream].records;
  const auto at = FindCellRecord(records, ref);
  const std::uint16_t xf = at ? CellXf(records[*at], ref.col) : DefaultXf(records, ref);
  Record cell;
  if (const auto number = SpreadsheetNumber(text, decimalSeparator)) {
    cell = WriteNumber({ref.row, ref.col, xf, *number});
  } else {
    const std::u16string wide = Utf16FromUtf8(std::string(text));
    if (wide.size() > kMaxCellText) throw Error{ErrorCode::TextTooLong, CellRefText(ref)};
    cell = WriteLabelSst({ref.row, ref.col, xf, addString(wide)});
  }
  if (at) {
    ReplaceCell(records, *at, ref, std::move(cell));
  } else {
    InsertCell(records, ref, std::move(cell));
  }
}

Result<CellInfo> Workbook::cell(std::size_t sheet, CellRef ref) const {
  if (auto s = checkedSheet(sheet); !s) return s.error();
  if (ref.col > 255) return Error{ErrorCode::BadCellReference, CellRefText(ref)};
  return Guarded([&]() -> Result<CellInfo> { return readCell(sheet, ref, StyleTables::read(globals_)); });
}

Result<CellInfo> Workbook::cell(std::size_t sheet, std::string_view reference) const {
  const auto ref = ParseCellRef(reference);
  if (!ref) return Error{ErrorCode::BadCellReference, std::string(reference)};
  return cell(sheet, *ref);
}

CellInfo Workbook::readCell(std::size_t sheet, CellRef ref, const StyleTables& styles) const {
  const auto& records = substreams_[sheets_[sheet].substream].records;
  CellInfo info;
  const auto at = FindCellRecord(records, ref);
  if (at) {
    const Record& r = records[*at];
    info.hasRecord = true;
    info.xf = CellXf(r, ref.col);
    CellValue& v = info.value;
    switch (r.id) {
      case rid::LabelSst:
        v.kind = CellKind::Text;
        v.text = Utf8FromUtf16(sst_.strings.at(ReadLabelSst(r).sst).text);
        break;
      case rid::Label:
      case rid::RString:
        v.kind = CellKind::Text;
        v.text = Utf8FromUtf16(ReadLabelText(r));
        break;
      case rid::Number:
        v.kind = CellKind::Number;
        v.number = ReadNumber(r).value;
        break;
      case rid::Rk:
        v.kind = CellKind::Number;
        v.number = DecodeRk(ReadRk(r).value.rk);
        break;
      case rid::MulRk: {
        const MulRk m = ReadMulRk(r);
        v.kind = CellKind::Number;
        v.number = DecodeRk(m.cells.at(ref.col - m.firstCol).rk);
        break;
      }
      case rid::BoolErr: {
        const BoolErr b = ReadBoolErr(r);
        v.kind = b.isError ? CellKind::Error : CellKind::Boolean;
        v.boolean = b.value != 0;
        v.error = b.value;
        break;
      }
      case rid::Formula: {
        const FormulaResult f = ReadFormulaResult(r);
        switch (f.kind) {
          case FormulaResult::Kind::Number: v.kind = CellKind::Number, v.number = f.number; break;
          case FormulaResult::Kind::Boolean: v.kind = CellKind::Boolean, v.boolean = f.byteValue != 0; break;
          case FormulaResult::Kind::Error: v.kind = CellKind::Error, v.error = f.byteValue; break;
          case FormulaResult::Kind::EmptyString: v.kind = CellKind::Text; break;
          case FormulaResult::Kind::String:
            v.kind = CellKind::Text;
            for (std::size_t j = *at + 1; j < records.size() && IsFormulaFollower(records[j].id); ++j) {
              if (records[j].id == rid::String) v.text = Utf8FromUtf16(ReadStringRecord(records[j]));
            }
            break;
        }
        break;
      }
      default: break;  // BLANK, MULBLANK
    }
  } else {
    info.xf = DefaultXf(records, ref);
  }
  info.formatIndex = styles.xf(info.xf).format;
  info.formatCode = Utf8FromUtf16(styles.formatCode(info.formatIndex));
  return info;
}

Result<SheetView> Workbook::view(std::size_t sheet, CellRange range) const {
  if (auto s = checkedSheet(sheet); !s) return s.error();
  const std::size_t cells = (static_cast<std::size_t>(range.lastRow) - range.firstRow + 1) *
                            (static_cast<std::size_t>(range.lastCol) - range.firstCol + 1);
  if (range.firstRow > range.lastRow || range.firstCol > range.lastCol || range.lastCol > 255 || cells > 100000) {
    return Error{ErrorCode::BadRange, ""};
  }
  return Guarded([&]() -> Result<SheetView> { return makeView(sheet, range); });
}

SheetView Workbook::makeView(std::size_t sheet, CellRange range) const {
  const StyleTables styles = StyleTables::read(globals_);
  const SheetLayout layout = ReadLayout(substreams_[sheets_[sheet].substream].records, range);
  SheetView view;
  view.name = sheets_[sheet].name;
  view.range = range;
  view.standardFont = styles.fontView(0);
  view.merges = layout.merges;
  view.print = layout.print;
  view.columnWidths = ColumnWidths(layout, range);
  view.rowHeights = RowHeights(layout, range);
  for (unsigned r = range.firstRow; r <= range.lastRow; ++r) {
    for (unsigned c = range.firstCol; c <= range.lastCol; ++c) {
      const CellRef ref{static_cast<std::uint16_t>(r), static_cast<std::uint16_t>(c)};
      view.cells.push_back(ViewOfCell(ref, readCell(sheet, ref, styles), styles));
    }
  }
  view.printArea = findPrintArea(sheet);
  return view;
}

std::optional<CellRange> Workbook::findPrintArea(std::size_t sheet) const {
  std::optional<CellRange> found;
  for (const auto& r : globals_) {
    if (r.id != rid::Name) continue;
    std::uint16_t tab = 0;
    if (auto area = ReadPrintAreaName(r, tab); area && tab == sheet + 1) found = area;
  }
  return found;
}

Result<std::optional<CellRange>> Workbook::printArea(std::size_t sheet) const {
  if (auto s = checkedSheet(sheet); !s) return s.error();
  return Guarded([&]() -> Result<std::optional<CellRange>> { return findPrintArea(sheet); });
}

Result<std::optional<CellRange>> Workbook::usedRange(std::size_t sheet) const {
  if (auto s = checkedSheet(sheet); !s) return s.error();
  return Guarded([&]() -> Result<std::optional<CellRange>> {
    const auto& records = substreams_[sheets_[sheet].substream].records;
    for (std::size_t i : TopLevelRecords(records)) {
      if (records[i].id != rid::Dimensions) continue;
      const Dimensions d = ReadDimensions(records[i]);
      if (d.lastRowPlus1 <= d.firstRow || d.lastColPlus1 <= d.firstCol) return std::optional<CellRange>{};
      return std::optional<CellRange>{
          CellRange{static_cast<std::uint16_t>(std::min<std::uint32_t>(d.firstRow, 65535)),
                    static_cast<std::uint16_t>(std::min<std::uint32_t>(d.lastRowPlus1 - 1, 65535)),
                    std::min<std::uint16_t>(d.firstCol, 255),
                    std::min<std::uint16_t>(static_cast<std::uint16_t>(d.lastColPlus1 - 1), 255)}};
    }
    return std::optional<CellRange>{};
  });
}

Bytes Workbook::serialise() const {
  std::vector<Substream> subs = substreams_;
  const SharedStrings strings = RenumberStrings(sst_, subs);

  std::vector<Record> globals = globals_;
  std::vector<Record> sstGroup;
  std::vector<StringPlace> places;
  const bool writeStrings = hadSst_ || !strings.strings.empty();
  if (writeStrings) sstGroup = WriteSst(strings, &places);
  std::size_t sstPosition = 0;
  for (std::size_t i = 0; i < sstInsertAt_; ++i) sstPosition += RecordSize(globals[i]);
  if (writeStrings) sstGroup.push_back(WriteExtSst(sstGroup, places, sstPosition));

  std::size_t globalsSize = 0;
  for (const auto& r : globals) globalsSize += RecordSize(r);
  for (const auto& r : sstGroup) globalsSize += RecordSize(r);
  const std::vector<std::size_t> start = PlaceSubstreams(subs, globalsSize);
  for (const auto& s : sheets_)
    PutU32(globals[s.boundSheetRecord].data, 0, static_cast<std::uint32_t>(start[s.substream]));

  globals.insert(globals.begin() + static_cast<std::ptrdiff_t>(sstInsertAt_), sstGroup.begin(), sstGroup.end());
  Bytes out = EncodeRecords(globals);
  for (const auto& sub : subs) {
    for (const auto& r : sub.records) AppendRecord(out, r);
  }
  if (out.size() < kMinStreamSize) out.resize(kMinStreamSize, 0);
  return out;
}

Result<Bytes> Workbook::streamBytes() const {
  return Guarded([&]() -> Result<Bytes> { return serialise(); });
}

Result<Bytes> Workbook::fileBytes() const {
  return Guarded([&]() -> Result<Bytes> {
    Bytes stream = serialise();
    OleFile file = container_;
    // The first Workbook stream is the one opened, and the one written back.
    const auto at = std::find_if(file.entries.begin(), file.entries.end(),
                                 [](const OleEntry& e) { return !e.storage && e.name == kWorkbookStream; });
    if (at != file.entries.end()) at->data = std::move(stream);
    return EncodeOleFile(file);
  });
}

Status Workbook::save(const std::string& path) const {
  return Guarded([&]() -> Status {
    auto bytes = fileBytes();
    if (!bytes) return bytes.error();
    return WriteFileAtomically(path, *bytes);
  });
}

}  // namespace vaporel::xls
