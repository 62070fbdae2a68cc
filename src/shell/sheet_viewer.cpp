#include "shell/sheet_viewer.hpp"

#include <QPainter>
#include <algorithm>

#include "shell/sheet_renderer.hpp"

namespace vaporel {

SheetViewer::SheetViewer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void SheetViewer::setSheet(ReportSheet sheet) {
  sheet_ = std::move(sheet);
  update();
}

void SheetViewer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!sheet_) return;

  // The whole range stays in view: shrink (never enlarge) to the control, as the
  // picture of an embedded worksheet does.
  const QSizeF size = SheetPixelSize(*sheet_);
  if (size.isEmpty()) return;
  const double scale = std::min({1.0, (width() - 2) / size.width(), (height() - 2) / size.height()});
  painter.translate(1, 1);
  painter.scale(scale, scale);
  PaintSheet(painter, *sheet_, true);
}

}  // namespace vaporel
