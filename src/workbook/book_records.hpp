#pragma once
// Readers and writers of the workbook- and sheet-level records the module reads
// or the template needs: BOF, BOUNDSHEET, the print-area NAME, SETUP and the
// single-value records (margins, widths, flags).

#include <cstdint>
#include <optional>
#include <string>

#include "workbook/cell_records.hpp"
#include "workbook/records.hpp"

namespace vaporel::xls {

constexpr std::uint16_t kBofGlobals = 0x0005;
constexpr std::uint16_t kBofWorksheet = 0x0010;

Record WriteBof(std::uint16_t type);  // BIFF8 BOF (0x0809), 16 bytes
// BIFF version of a BOF payload (0x0600 for BIFF8).
std::uint16_t BofVersion(const Record& r);

struct BoundSheet {            // 0x0085
  std::uint32_t position = 0;  // stream position of the sheet's BOF
  std::uint8_t visibility = 0;
  std::uint8_t type = 0;  // 0 worksheet, 1 macro sheet, 2 chart, 6 VBA module
  std::u16string name;
};
BoundSheet ReadBoundSheet(const Record& r);
Record WriteBoundSheet(const BoundSheet& b);

// NAME (0x0018) of the built-in "Print_Area" (0x06) for sheet `sheetTab` (1-based).
// `externSheet` is the EXTERNSHEET entry that refers to the sheet.
Record WritePrintAreaName(std::uint16_t sheetTab, std::uint16_t externSheet, const CellRange& area);
// The print area a NAME record defines, if it is the built-in Print_Area whose
// formula starts with one 3-D reference or area; `sheetTab` receives its sheet (1-based).
std::optional<CellRange> ReadPrintAreaName(const Record& r, std::uint16_t& sheetTab);

struct PageSetup {              // SETUP, 0x00A1
  std::uint16_t paperSize = 1;  // 1 = Letter
  std::uint16_t scale = 100;    // percent
  std::uint16_t firstPage = 1;
  std::uint16_t fitWidth = 1, fitHeight = 1;
  std::uint16_t flags = 0x0002;  // bit 1 portrait, bit 2 "no printer settings" (must be 0)
  std::uint16_t resolution = 600, verticalResolution = 600;
  double headerMargin = 0.5, footerMargin = 0.5;  // inches
  std::uint16_t copies = 1;
  bool portrait() const { return (flags & 0x0002) != 0; }
  bool settingsValid() const { return (flags & 0x0004) == 0; }
};
PageSetup ReadSetup(const Record& r);
Record WriteSetup(const PageSetup& s);

// Records holding a single 16-bit value (CODEPAGE, DEFCOLWIDTH, STANDARDWIDTH,
// PRINTGRIDLINES, CALCMODE, ...) or a single double (margins, DELTA).
Record WriteU16Record(std::uint16_t id, std::uint16_t value);
std::uint16_t ReadU16Record(const Record& r);
Record WriteDoubleRecord(std::uint16_t id, double value);
double ReadDoubleRecord(const Record& r);

// HEADER (0x0014) or FOOTER (0x0015) holding an empty string: no header or footer is
// printed, where an empty record lets one reader print its own defaults.
Record WriteEmptyHeaderFooter(std::uint16_t id);

struct DefaultRowHeight {  // 0x0225
  std::uint16_t flags = 0;
  std::uint16_t height = 255;  // twips
};
DefaultRowHeight ReadDefaultRowHeight(const Record& r);
Record WriteDefaultRowHeight(const DefaultRowHeight& d);

}  // namespace vaporel::xls
