#pragma once
// Paints a worksheet range as a spreadsheet shows and prints it: column widths, row
// heights, fills, fonts, alignment and merged cells of the file. The report window's
// viewer and the print command share it, so the screen and the paper agree.

#include <QSizeF>

#include "report/report_sheet.hpp"

class QPainter;

namespace vaporel {

// The range's size in pixels at 96 dpi (the unit PaintSheet draws in).
QSizeF SheetPixelSize(const ReportSheet& sheet);

// Draws the range with its top-left corner at the painter's origin, one unit per pixel
// at 96 dpi; the caller scales the painter for a widget or a page. `gridlines` draws the
// light cell grid of the screen (paper has none).
void PaintSheet(QPainter& painter, const ReportSheet& sheet, bool gridlines);

}  // namespace vaporel
