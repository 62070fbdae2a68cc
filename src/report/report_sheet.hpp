#pragma once
// The report's worksheet as it is to be seen on screen or paper: the first worksheet
// of a workbook file, over its print area, read afresh from disk. Plain data, so the
// window's renderer needs nothing of the workbook module.

#include <optional>
#include <string>
#include <vector>

#include "workbook/style_records.hpp"  // Rgb

namespace vaporel {

enum class CellHAlign { General, Left, Centre, Right };
enum class CellVAlign { Top, Centre, Bottom };

struct SheetCell {
  int row = 0;  // 0-based within the range
  int column = 0;
  int rowSpan = 1;  // a merged range is one cell at its top-left corner
  int columnSpan = 1;
  std::string text;      // as a spreadsheet shows the value under the cell's number format
  bool numeric = false;  // general alignment puts numbers right, texts left
  std::string fontName;
  double fontPoints = 10;
  bool bold = false;
  bool italic = false;
  xls::Rgb textColour{0, 0, 0};
  std::optional<xls::Rgb> fill;  // solid fill colour
  CellHAlign halign = CellHAlign::General;
  CellVAlign valign = CellVAlign::Bottom;
};

// The worksheet's page setup, as far as printing one page of it needs.
struct SheetPage {
  int paperSize = 1;  // the format's paper code: 1 Letter, 9 A4, ...
  bool portrait = true;
  double leftMargin = 0.75, rightMargin = 0.75, topMargin = 1.0, bottomMargin = 1.0;  // inches
};

struct ReportSheet {
  std::string name;
  SheetPage page;
  int firstRow = 0;  // 0-based position of the range in the worksheet
  int firstColumn = 0;
  std::vector<double> columnWidths;  // pixels at 96 dpi
  std::vector<double> rowHeights;    // pixels at 96 dpi
  std::vector<SheetCell> cells;      // cells with a text or a fill, and merged ranges
};

// The first worksheet of the workbook at `path`, over its print area (A1:B23 at least
// when it has none); nullopt when the file cannot be read as a workbook.
std::optional<ReportSheet> ReadReportSheet(const std::string& path);

}  // namespace vaporel
