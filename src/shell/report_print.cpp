#include "shell/report_print.hpp"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "report/report_sheet.hpp"
#include "shell/sheet_renderer.hpp"

namespace vaporel {
namespace {

// The format's paper codes that matter in practice; anything else prints on Letter.
QPageSize PaperSize(int code) {
  switch (code) {
    case 5: return QPageSize(QPageSize::Legal);
    case 8: return QPageSize(QPageSize::A3);
    case 9: return QPageSize(QPageSize::A4);
    case 11: return QPageSize(QPageSize::A5);
    default: return QPageSize(QPageSize::Letter);
  }
}

}  // namespace

PrintOutcome PrintReportFile(const QString& path, QPrinter* printer) {
  if (printer == nullptr) return PrintOutcome::NoPrinter;

  const auto sheet = ReadReportSheet(path.toStdString());
  if (!sheet) return PrintOutcome::Unreadable;

  // The page the worksheet asks for (the template: Letter, portrait, the spreadsheet's
  // default margins of 0.75 in at the sides and 1 in at top and bottom).
  const SheetPage& page = sheet->page;
  printer->setPageLayout(
      QPageLayout(PaperSize(page.paperSize), page.portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                  QMarginsF(page.leftMargin, page.topMargin, page.rightMargin, page.bottomMargin), QPageLayout::Inch));
  printer->setCopyCount(1);

  QPainter painter;
  if (!painter.begin(printer)) return PrintOutcome::PrinterFailed;

  // Pixels at 96 dpi to printer dots; a print area wider or taller than the page is
  // shrunk onto it so the report stays one page.
  const QSizeF size = SheetPixelSize(*sheet);
  const QRectF paper = printer->pageLayout().paintRectPixels(printer->resolution());
  double scale = printer->resolution() / 96.0;
  if (!size.isEmpty()) scale = std::min({scale, paper.width() / size.width(), paper.height() / size.height()});
  painter.scale(scale, scale);
  PaintSheet(painter, *sheet, false);
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::PrinterFailed;
}

}  // namespace vaporel
