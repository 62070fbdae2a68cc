#pragma once
// Everything a renderer needs to draw or print a range of a worksheet, as plain
// data: cell texts as the spreadsheet shows them, fonts, fills, alignment,
// merges, column widths, row heights, the print area and the page setup.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"
#include "workbook/style_records.hpp"

namespace vaporel::xls {

enum class CellKind { Empty, Number, Text, Boolean, Error };

struct CellValue {
  CellKind kind = CellKind::Empty;
  double number = 0;       // Number
  std::string text;        // Text (UTF-8)
  bool boolean = false;    // Boolean
  std::uint8_t error = 0;  // Error: the spreadsheet's error code (0x07 #DIV/0!, ...)
};

struct CellInfo {
  CellValue value;
  std::uint16_t xf = 15;
  std::uint16_t formatIndex = 0;  // 0 General, 2 "0.00", 11 "0.00E+00", 164+ custom
  std::string formatCode;         // UTF-8, e.g. "General"
  bool hasRecord = false;         // false: the sheet holds nothing for this cell
};

struct FontView {
  std::string name;  // UTF-8, e.g. "Verdana"
  std::uint16_t heightTwips = 200;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::uint16_t colourIndex = 0x7FFF;  // 0x7FFF: automatic
  Rgb colour;                          // automatic resolves to black
};

struct FillView {
  std::uint8_t pattern = 0;  // 0 none, 1 solid, others hatched
  std::uint16_t foreIndex = 64, backIndex = 65;
  Rgb fore{255, 255, 255}, back{255, 255, 255};
};

struct CellView {
  std::uint16_t row = 0, col = 0;
  CellValue value;
  std::string text;  // as shown under the cell's number format
  std::uint16_t xf = 15;
  std::uint16_t formatIndex = 0;
  FontView font;
  FillView fill;
  HAlign hAlign = HAlign::General;
  VAlign vAlign = VAlign::Bottom;
  bool wrap = false;
};

struct PrintSetup {
  PageSetup setup;  // paper, scale, orientation, header/footer margins, copies
  double leftMargin = 0.75, rightMargin = 0.75, topMargin = 1.0, bottomMargin = 1.0;  // inches
  bool centreHorizontally = false, centreVertically = false;
  bool printGridlines = false, printHeadings = false;
  bool fitToPage = false;
};

struct SheetView {
  std::string name;
  CellRange range;                          // the rows and columns described below
  std::vector<CellView> cells;              // every cell of `range`, row by row
  std::vector<CellRange> merges;            // merged ranges that touch `range`
  std::vector<std::uint16_t> columnWidths;  // 1/256 character of font 0, one per column of `range`
  std::vector<std::uint16_t> rowHeights;    // twips, one per row of `range`; 0 = hidden
  FontView standardFont;                    // font 0: the unit of column widths
  std::optional<CellRange> printArea;
  PrintSetup print;

  const CellView& at(std::uint16_t row, std::uint16_t col) const {
    return cells.at(static_cast<std::size_t>(row - range.firstRow) * (range.lastCol - range.firstCol + 1u) +
                    (col - range.firstCol));
  }
};

}  // namespace vaporel::xls
