#include "chart/render/project_overlay.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vaporel {
namespace {

constexpr double kHeadLength = 14;
constexpr double kHeadHalfWidth = 5.5;
constexpr double kDotRadius = 5;

void Arrow(QPainter& painter, QPointF from, QPointF to) {
  painter.drawLine(from, to);
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length < 1) return;
  const QPointF unit = along / length;
  const QPointF across(-unit.y(), unit.x());
  const QPointF base = to - unit * std::min(kHeadLength, length / 2);
  painter.setBrush(kProjectColour);
  painter.drawPolygon(QPolygonF({to, base + across * kHeadHalfWidth, base - across * kHeadHalfWidth}));
  painter.setBrush(Qt::NoBrush);
}

}  // namespace

void DrawProject(QPainter& painter, const ChartFrame& frame, const ChartGeometry& geometry, std::vector<QRectF>& placed,
                 const QRectF& legend) {
  painter.save();
  for (const ChartArrow& arrow : geometry.arrows) {
    const QPointF from = frame.toPage(arrow.from), to = frame.toPage(arrow.to);
    if (arrow.toApparatusDewPoint) {
      painter.setPen(QPen(kProjectColour, 1.4, Qt::DashLine));
      painter.drawLine(from, to);
    } else {
      painter.setPen(QPen(kProjectColour, 2.2));
      Arrow(painter, from, to);
    }
  }
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(14);
  font.setBold(true);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  for (const NamedPoint& point : geometry.named) {
    const QPointF at = frame.toPage(point.at);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(kProjectColour);
    painter.drawEllipse(at, kDotRadius, kDotRadius);
    painter.setBrush(Qt::NoBrush);
  }
  // Each name beside its dot on a white ground, in the first corner where it covers no label
  // already placed and not the legend.
  for (const NamedPoint& point : geometry.named) {
    const QPointF at = frame.toPage(point.at);
    const QString name = QString::fromStdString(point.name);
    const QSizeF size(metrics.horizontalAdvance(name) + 6, metrics.height());
    const QPointF corners[] = {at + QPointF(8, -8 - size.height()), at + QPointF(8, 8),
                               at + QPointF(-8 - size.width(), -8 - size.height()), at + QPointF(-8 - size.width(), 8)};
    QRectF box(corners[0], size);
    for (const QPointF& corner : corners) {
      const QRectF candidate(corner, size);
      if (!candidate.intersects(legend) &&
          std::none_of(placed.begin(), placed.end(), [&](const QRectF& r) { return r.intersects(candidate); })) {
        box = candidate;
        break;
      }
    }
    placed.push_back(box);
    painter.fillRect(box, QColor(255, 255, 255, 210));
    painter.setPen(kProjectColour);
    painter.drawText(box, Qt::AlignCenter, name);
  }
  painter.restore();
}

}  // namespace vaporel
