#pragma once
// A 97-2003 workbook (BIFF8 records in an OLE2 compound file) opened for editing
// cell values. Everything it does not change is written back as it was read:
// records it does not understand are carried byte for byte, other streams of the
// compound file too.
//
// Failures come back as Error values, never as exceptions: every public function
// below runs its work inside one guard that turns whatever the module's readers
// throw (a damaged record, a table index out of range, memory) into an Error. The
// guard at every entry is the guarantee; `open` also reads every record the later
// calls rely on, so that damage is reported when the file is opened rather than
// half-way through an edit. The record-level headers of this folder are the module's
// internals: they throw FormatError, and only this class's guard may call them on
// untrusted bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/cell_ref.hpp"
#include "workbook/ole_container.hpp"
#include "workbook/records.hpp"
#include "workbook/result.hpp"
#include "workbook/sheet_view.hpp"
#include "workbook/strings.hpp"

namespace vaporel::xls {

class StyleTables;

class Workbook {
 public:
  static Result<Workbook> open(const std::string& path);
  static Result<Workbook> fromFileBytes(const Bytes& fileBytes);
  // A workbook from a Workbook stream alone (the other streams left empty).
  static Result<Workbook> fromStream(const Bytes& workbookStream);

  // Names of all sheets in tab order (UTF-8).
  std::vector<std::string> sheetNames() const;
  // The worksheet with exactly this name, or NoSuchSheet.
  Result<std::size_t> sheetByName(std::string_view name) const;
  // The worksheet at this zero-based tab position, or NoSuchSheet.
  Result<std::size_t> sheetAt(std::size_t position) const;

  // Sets a cell as a spreadsheet does when `text` is typed into it: a number
  // (SpreadsheetNumber) becomes a NUMBER cell, anything else a shared-string
  // cell; either keeps the cell's XF (its look and number format).
  Status setCell(std::size_t sheet, CellRef ref, std::string_view text, char decimalSeparator = '.');
  Status setCell(std::size_t sheet, std::string_view reference, std::string_view text, char decimalSeparator = '.');

  Result<CellInfo> cell(std::size_t sheet, CellRef ref) const;
  Result<CellInfo> cell(std::size_t sheet, std::string_view reference) const;

  // What a renderer needs to show or print `range` of the sheet.
  Result<SheetView> view(std::size_t sheet, CellRange range) const;
  // The sheet's Print_Area, if it has one (what printing shows).
  Result<std::optional<CellRange>> printArea(std::size_t sheet) const;
  // Rows and columns that hold cell records, from DIMENSIONS; nullopt for an empty sheet.
  Result<std::optional<CellRange>> usedRange(std::size_t sheet) const;

  // The Workbook stream and the whole compound file as they would be saved.
  Result<Bytes> streamBytes() const;
  Result<Bytes> fileBytes() const;
  // Saves to `path` through a temporary file renamed over it when complete.
  Status save(const std::string& path) const;

 private:
  struct SheetEntry {
    std::size_t boundSheetRecord = 0;  // index in globals_
    std::size_t substream = 0;         // index in substreams_
    std::uint8_t type = 0;
    std::string name;
  };

  static Result<Workbook> openFile(const std::string& path);
  static Result<Workbook> fromOleBytes(const Bytes& fileBytes);
  static Result<Workbook> fromParts(const Bytes& stream, OleFile container);
  void load(const Bytes& stream);  // throws FormatError
  Bytes serialise() const;         // throws FormatError
  CellInfo readCell(std::size_t sheet, CellRef ref, const StyleTables& styles) const;
  void writeCell(std::size_t sheet, CellRef ref, std::string_view text, char decimalSeparator);
  std::uint32_t addString(const std::u16string& text);
  SheetView makeView(std::size_t sheet, CellRange range) const;
  std::optional<CellRange> findPrintArea(std::size_t sheet) const;
  Result<std::size_t> checkedSheet(std::size_t sheet) const;

  OleFile container_;
  std::vector<Record> globals_;  // without the SST group and EXTSST
  std::size_t sstInsertAt_ = 0;  // where in globals_ the SST group and EXTSST go
  bool hadSst_ = false;
  SharedStrings sst_;
  std::vector<Substream> substreams_;  // after the globals, in stream order
  std::vector<SheetEntry> sheets_;
};

}  // namespace vaporel::xls
