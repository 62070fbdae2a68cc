#include "chart/render/project_overlay.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
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

bool Crosses(const QLineF& line, const QRectF& box) {
  if (box.contains(line.p1()) || box.contains(line.p2())) return true;
  const QLineF edges[] = {{box.topLeft(), box.topRight()},
                          {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()},
                          {box.bottomLeft(), box.topLeft()}};
  return std::any_of(std::begin(edges), std::end(edges),
                     [&](const QLineF& edge) { return line.intersects(edge, nullptr) == QLineF::BoundedIntersection; });
}

}  // namespace

bool OverProcessLine(const QRectF& box, const ChartFrame& frame, const ChartGeometry& geometry) {
  // The lines are drawn inside the plot only.
  const QRectF shown = box.intersected(frame.plot());
  if (shown.isEmpty()) return false;
  return std::any_of(geometry.arrows.begin(), geometry.arrows.end(), [&](const ChartArrow& arrow) {
    return Crosses(QLineF(frame.toPage(arrow.from), frame.toPage(arrow.to)), shown);
  });
}

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
  // Each name beside its dot on a white ground, in the first place around it (the four
  // corners, then the four sides, then the same farther out) where it covers no label already
  // placed, not the legend and no process line.
  for (const NamedPoint& point : geometry.named) {
    const QPointF at = frame.toPage(point.at);
    const QString name = QString::fromStdString(point.name);
    const QSizeF size(metrics.horizontalAdvance(name) + 6, metrics.height());
    std::vector<QPointF> corners;
    for (const double gap : {8.0, 20.0, 36.0}) {
      const double w = size.width(), h = size.height();
      corners.insert(corners.end(),
                     {at + QPointF(gap, -gap - h), at + QPointF(gap, gap), at + QPointF(-gap - w, -gap - h),
                      at + QPointF(-gap - w, gap), at + QPointF(gap, -h / 2), at + QPointF(-gap - w, -h / 2),
                      at + QPointF(-w / 2, -gap - h), at + QPointF(-w / 2, gap)});
    }
    QRectF box(corners[0], size);
    for (const QPointF& corner : corners) {
      const QRectF candidate(corner, size);
      if (!candidate.intersects(legend) && !OverProcessLine(candidate, frame, geometry) &&
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
