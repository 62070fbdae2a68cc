#pragma once
// Readers and writers of the cell-table records: one struct per record, read from
// a Record (throwing FormatError when it is short) and written back to one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "workbook/records.hpp"

namespace vaporel::xls {

struct CellRange {
  std::uint16_t firstRow = 0, lastRow = 0, firstCol = 0, lastCol = 0;  // inclusive, zero-based
  bool contains(std::uint16_t row, std::uint16_t col) const {
    return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
  }
  bool operator==(const CellRange&) const = default;
};

struct LabelSst {  // 0x00FD: a string cell pointing into the shared-string table
  std::uint16_t row = 0, col = 0, xf = 0;
  std::uint32_t sst = 0;
};
LabelSst ReadLabelSst(const Record& r);
Record WriteLabelSst(const LabelSst& c);

struct NumberCell {  // 0x0203: an IEEE double
  std::uint16_t row = 0, col = 0, xf = 0;
  double value = 0;
};
NumberCell ReadNumber(const Record& r);
Record WriteNumber(const NumberCell& c);

struct BlankCell {  // 0x0201: a formatted empty cell
  std::uint16_t row = 0, col = 0, xf = 0;
};
BlankCell ReadBlank(const Record& r);
Record WriteBlank(const BlankCell& c);

struct MulBlank {  // 0x00BE: consecutive blank cells of one row
  std::uint16_t row = 0, firstCol = 0;
  std::vector<std::uint16_t> xfs;  // one per column from firstCol
};
MulBlank ReadMulBlank(const Record& r);
Record WriteMulBlank(const MulBlank& c);

struct RkValue {
  std::uint16_t xf = 0;
  std::uint32_t rk = 0;
};
double DecodeRk(std::uint32_t rk);

struct RkCell {  // 0x027E
  std::uint16_t row = 0, col = 0;
  RkValue value;
};
RkCell ReadRk(const Record& r);
Record WriteRk(const RkCell& c);

struct MulRk {  // 0x00BD: consecutive RK numbers of one row
  std::uint16_t row = 0, firstCol = 0;
  std::vector<RkValue> cells;
};
MulRk ReadMulRk(const Record& r);
Record WriteMulRk(const MulRk& c);

// FORMULA (0x0006): only the cached result matters to this module.
struct FormulaResult {
  enum class Kind { Number, String, Boolean, Error, EmptyString } kind = Kind::Number;
  double number = 0;
  std::uint8_t byteValue = 0;  // the boolean or the error code
};
FormulaResult ReadFormulaResult(const Record& r);

// STRING (0x0207), LABEL (0x0204): an XLUnicodeString after the cell header (LABEL).
std::u16string ReadStringRecord(const Record& r);
std::u16string ReadLabelText(const Record& r);  // LABEL and RSTRING

struct BoolErr {  // 0x0205
  std::uint16_t row = 0, col = 0, xf = 0;
  std::uint8_t value = 0;
  bool isError = false;
};
BoolErr ReadBoolErr(const Record& r);

struct RowInfo {  // 0x0208
  std::uint16_t row = 0, firstCol = 0, lastColPlus1 = 0;
  std::uint16_t height = 255;        // twips; bit 15 set means "default height"
  std::uint16_t flags = 0x0100;      // outline level, collapsed, hidden, custom height, ghost XF
  std::uint16_t xfAndMore = 0x000F;  // ixfe in bits 0-11, thick borders, phonetic
  std::uint32_t reserved = 0;
  static constexpr std::uint16_t kHidden = 0x0020;
  static constexpr std::uint16_t kCustomHeight = 0x0040;
  static constexpr std::uint16_t kHasXf = 0x0080;
  std::uint16_t xf() const { return xfAndMore & 0x0FFF; }
};
RowInfo ReadRow(const Record& r);
Record WriteRow(const RowInfo& row);

struct Dimensions {  // 0x0200
  std::uint32_t firstRow = 0, lastRowPlus1 = 0;
  std::uint16_t firstCol = 0, lastColPlus1 = 0;
};
Dimensions ReadDimensions(const Record& r);
Record WriteDimensions(const Dimensions& d);

struct ColInfo {  // 0x007D
  std::uint16_t firstCol = 0, lastCol = 0, width = 0, xf = 15, flags = 0;
  static constexpr std::uint16_t kHidden = 0x0001;
};
ColInfo ReadColInfo(const Record& r);
Record WriteColInfo(const ColInfo& c);

std::vector<CellRange> ReadMergedCells(const Record& r);  // 0x00E5
Record WriteMergedCells(const std::vector<CellRange>& ranges);

struct IndexRecord {  // 0x020B
  std::uint32_t firstRow = 0, lastRowPlus1 = 0, defColWidthPos = 0;
  std::vector<std::uint32_t> dbCellPositions;
};
IndexRecord ReadIndex(const Record& r);
Record WriteIndex(const IndexRecord& i);

struct DbCell {  // 0x00D7
  std::uint32_t firstRowOffset = 0;
  std::vector<std::uint16_t> cellOffsets;
};
DbCell ReadDbCell(const Record& r);
Record WriteDbCell(const DbCell& d);

// Cell records carry row and column in their first 4 bytes.
bool IsCellRecord(std::uint16_t id);
bool IsMultiCell(std::uint16_t id);  // MULBLANK, MULRK
std::uint16_t CellRow(const Record& r);
std::uint16_t CellFirstCol(const Record& r);
std::uint16_t CellLastCol(const Record& r);  // equals the first for single cells
// Records that belong to the FORMULA before them.
bool IsFormulaFollower(std::uint16_t id);

}  // namespace vaporel::xls
