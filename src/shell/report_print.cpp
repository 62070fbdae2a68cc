#include "report_print.hpp"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "report_sheet.hpp"
#include "sheet_renderer.hpp"

namespace vaporel {

PrintOutcome PrintReportFile(const QString& path, QPrinter* printer) {
  if (printer == nullptr) return PrintOutcome::NoPrinter;

  const auto sheet = ReadReportSheet(path.toStdString());
  if (!sheet) return PrintOutcome::Unreadable;

  // The template's page: Letter, portrait, 100 %; margins left and right 0.75 in, top and
  // bottom 1 in, as a spreadsheet uses when the file sets none.
  printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0.75, 1.0, 0.75, 1.0), QPageLayout::Inch));
  printer->setCopyCount(1);

  QPainter painter;
  if (!painter.begin(printer)) return PrintOutcome::PrinterFailed;

  // Pixels at 96 dpi to printer dots; a print area wider or taller than the page is
  // shrunk onto it so the report stays one page.
  const QSizeF size = SheetPixelSize(*sheet);
  const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
  double scale = printer->resolution() / 96.0;
  if (!size.isEmpty()) scale = std::min({scale, page.width() / size.width(), page.height() / size.height()});
  painter.scale(scale, scale);
  PaintSheet(painter, *sheet, false);
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::PrinterFailed;
}

}  // namespace vaporel
