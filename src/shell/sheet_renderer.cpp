#include "shell/sheet_renderer.hpp"

#include <QFont>
#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainter>
#include <numeric>

namespace vaporel {
namespace {

QColor ToColor(xls::Rgb c) { return QColor(c.r, c.g, c.b); }

// Verdana is seldom installed on Linux: DejaVu Sans is the closest free face.
QString FontFamily(const std::string& name) {
  QString family = QString::fromStdString(name);
  if (family.isEmpty() || (family == QLatin1String("Verdana") && !QFontDatabase::families().contains(family))) {
    return QStringLiteral("DejaVu Sans");
  }
  return family;
}

// A font `points` tall on paper at whatever scale the painter draws 96-dpi pixels: the
// device turns points into its own dots, so divide its dpi back out.
QFont CellFont(const SheetCell& cell, const QPainter& painter) {
  QFont font(FontFamily(cell.fontName));
  const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
  font.setPointSizeF(cell.fontPoints * 96.0 / (dpi > 0 ? dpi : 96));
  font.setBold(cell.bold);
  font.setItalic(cell.italic);
  return font;
}

Qt::Alignment Alignment(const SheetCell& cell) {
  Qt::Alignment a;
  switch (cell.halign) {
    case CellHAlign::General: a = cell.numeric ? Qt::AlignRight : Qt::AlignLeft; break;
    case CellHAlign::Left: a = Qt::AlignLeft; break;
    case CellHAlign::Centre: a = Qt::AlignHCenter; break;
    case CellHAlign::Right: a = Qt::AlignRight; break;
  }
  switch (cell.valign) {
    case CellVAlign::Top: return a | Qt::AlignTop;
    case CellVAlign::Centre: return a | Qt::AlignVCenter;
    case CellVAlign::Bottom: return a | Qt::AlignBottom;
  }
  return a | Qt::AlignBottom;
}

std::vector<double> Offsets(const std::vector<double>& sizes) {
  std::vector<double> at(sizes.size() + 1, 0.0);
  std::partial_sum(sizes.begin(), sizes.end(), at.begin() + 1);
  return at;
}

}  // namespace

QSizeF SheetPixelSize(const ReportSheet& sheet) {
  return {std::accumulate(sheet.columnWidths.begin(), sheet.columnWidths.end(), 0.0),
          std::accumulate(sheet.rowHeights.begin(), sheet.rowHeights.end(), 0.0)};
}

void PaintSheet(QPainter& painter, const ReportSheet& sheet, bool gridlines) {
  const std::vector<double> x = Offsets(sheet.columnWidths);
  const std::vector<double> y = Offsets(sheet.rowHeights);
  const int columns = static_cast<int>(sheet.columnWidths.size());
  const int rows = static_cast<int>(sheet.rowHeights.size());
  painter.save();

  if (gridlines) {
    painter.setPen(QPen(QColor(208, 215, 229), 0));
    for (double at : x) painter.drawLine(QPointF(at, 0), QPointF(at, y.back()));
    for (double at : y) painter.drawLine(QPointF(0, at), QPointF(x.back(), at));
  }

  for (const SheetCell& cell : sheet.cells) {
    if (cell.row < 0 || cell.column < 0 || cell.row >= rows || cell.column >= columns) continue;
    const int lastRow = std::min(rows, cell.row + std::max(1, cell.rowSpan));
    const int lastColumn = std::min(columns, cell.column + std::max(1, cell.columnSpan));
    const auto at = [](const std::vector<double>& edges, int i) { return edges[static_cast<std::size_t>(i)]; };
    const QRectF area(QPointF(at(x, cell.column), at(y, cell.row)), QPointF(at(x, lastColumn), at(y, lastRow)));
    // A merged range hides its inner grid lines, as on a spreadsheet.
    const bool merged = lastRow - cell.row > 1 || lastColumn - cell.column > 1;
    if (cell.fill) {
      painter.fillRect(area, ToColor(*cell.fill));
    } else if (merged && gridlines) {
      painter.fillRect(area.adjusted(1, 1, -1, -1), Qt::white);
    }
    if (cell.text.empty()) continue;
    painter.setFont(CellFont(cell, painter));
    painter.setPen(ToColor(cell.textColour));
    // A spreadsheet keeps a small gap between a cell's edge and its text.
    const QRectF textArea = area.adjusted(2, 1, -2, -1);
    painter.save();
    painter.setClipRect(area);
    painter.drawText(textArea, static_cast<int>(Alignment(cell)) | Qt::TextSingleLine,
                     QString::fromStdString(cell.text));
    painter.restore();
  }
  painter.restore();
}

}  // namespace vaporel
