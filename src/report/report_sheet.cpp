#include "report/report_sheet.hpp"

#include <algorithm>
#include <cmath>

#include "workbook/workbook.hpp"

namespace vaporel {
namespace {

// Without a print area the viewer still shows the report's rows 1 to 23 of columns A and B.
constexpr xls::CellRange kReportRange{0, 22, 0, 1};

CellHAlign ToHAlign(xls::HAlign a) {
  switch (a) {
    case xls::HAlign::General: return CellHAlign::General;
    case xls::HAlign::Centre:
    case xls::HAlign::CentreAcross: return CellHAlign::Centre;
    case xls::HAlign::Right: return CellHAlign::Right;
    case xls::HAlign::Left:
    case xls::HAlign::Fill:
    case xls::HAlign::Justify:
    case xls::HAlign::Distributed: return CellHAlign::Left;
  }
  return CellHAlign::General;
}

CellVAlign ToVAlign(xls::VAlign a) {
  switch (a) {
    case xls::VAlign::Top:
    case xls::VAlign::Justify:
    case xls::VAlign::Distributed: return CellVAlign::Top;
    case xls::VAlign::Centre: return CellVAlign::Centre;
    case xls::VAlign::Bottom: return CellVAlign::Bottom;
  }
  return CellVAlign::Bottom;
}

// Column widths count characters of the workbook's first font: a digit of Arial 10 is
// 7 pixels wide at 96 dpi, and other sizes scale with it.
double DigitWidth(const xls::FontView& standard) {
  const double width = std::round(7.0 * standard.heightTwips / 200.0);
  return width > 0 ? width : 7.0;
}

ReportSheet FromView(const xls::SheetView& view) {
  ReportSheet sheet;
  sheet.name = view.name;
  sheet.page.paperSize = view.print.setup.paperSize;
  // Without valid printer settings a spreadsheet prints portrait.
  sheet.page.portrait = !view.print.setup.settingsValid() || view.print.setup.portrait();
  sheet.page.leftMargin = view.print.leftMargin;
  sheet.page.rightMargin = view.print.rightMargin;
  sheet.page.topMargin = view.print.topMargin;
  sheet.page.bottomMargin = view.print.bottomMargin;
  sheet.firstRow = view.range.firstRow;
  sheet.firstColumn = view.range.firstCol;
  const double digit = DigitWidth(view.standardFont);
  for (std::uint16_t width : view.columnWidths) sheet.columnWidths.push_back(width / 256.0 * digit);
  for (std::uint16_t height : view.rowHeights) sheet.rowHeights.push_back(height / 15.0);

  const auto& range = view.range;
  for (const xls::CellView& cell : view.cells) {
    SheetCell out;
    out.row = cell.row - range.firstRow;
    out.column = cell.col - range.firstCol;
    bool covered = false;
    for (const xls::CellRange& merge : view.merges) {
      if (!merge.contains(cell.row, cell.col)) continue;
      // A merged range shows its top-left cell over the whole range (clipped to the view).
      const std::uint16_t top = std::max(merge.firstRow, range.firstRow);
      const std::uint16_t left = std::max(merge.firstCol, range.firstCol);
      if (cell.row != top || cell.col != left) {
        covered = true;
      } else {
        out.rowSpan = std::min(merge.lastRow, range.lastRow) - top + 1;
        out.columnSpan = std::min(merge.lastCol, range.lastCol) - left + 1;
      }
      break;
    }
    if (covered) continue;
    out.text = cell.text;
    out.numeric = cell.value.kind == xls::CellKind::Number;
    out.fontName = cell.font.name;
    out.fontPoints = cell.font.heightTwips / 20.0;
    out.bold = cell.font.bold;
    out.italic = cell.font.italic;
    out.textColour = cell.font.colour;
    // Hatched patterns are shown in their foreground colour.
    if (cell.fill.pattern != 0) out.fill = cell.fill.fore;
    out.halign = ToHAlign(cell.hAlign);
    out.valign = ToVAlign(cell.vAlign);
    if (out.text.empty() && !out.fill && out.rowSpan == 1 && out.columnSpan == 1) continue;
    sheet.cells.push_back(std::move(out));
  }
  return sheet;
}

}  // namespace

std::optional<ReportSheet> ReadReportSheet(const std::string& path) {
  const auto book = xls::Workbook::open(path);
  if (!book) return std::nullopt;
  const auto sheet = book->sheetAt(0);
  if (!sheet) return std::nullopt;
  auto view = book->view(*sheet, kReportRange);
  if (!view) return std::nullopt;
  if (view->printArea && !(*view->printArea == kReportRange)) {
    view = book->view(*sheet, *view->printArea);
    if (!view) return std::nullopt;
  }
  return FromView(*view);
}

}  // namespace vaporel
