#include "chart/render/chart_renderer.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "calculation/result_texts.hpp"
#include "chart/geometry/mollier.hpp"
#include "chart/geometry/one_two_five.hpp"
#include "chart/render/project_overlay.hpp"

namespace vaporel {
namespace {

const QColor kInk(30, 30, 30);
const QColor kGrid(228, 228, 228);
const QColor kSaturation(0, 50, 150);
const QColor kHumidity(60, 120, 200);
const QColor kEnthalpy(0, 125, 65);
const QColor kDensity(205, 115, 0);
const QColor kIsotherm(120, 120, 120);
const QColor kState(210, 0, 0);

constexpr const char* kTemperatureTitle = "Dry bulb temperature, tdb  [oC]";
constexpr const char* kHumidityTitle = "Absolute humidity, x  [-]";
constexpr const char* kEnthalpyTitle = "Enthalpy, h  [kJ/kg]";

QFont Font(int pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QString Text(const Numbers& numbers, double value, std::string_view pattern) {
  return QString::fromStdString(numbers.format(value, pattern));
}

// 1, 2 or 5 times a power of ten, giving at most `most` steps over `range`.
double NiceStep(double range, int most) {
  for (int index = -15; index <= 14; ++index) {  // 1e-5 to 5e4
    const double step = OneTwoFiveStep(index);
    if (range / step <= most) return step;
  }
  return range;
}

std::string_view DecimalsFor(double step) {
  if (step >= 1) return "##0";
  if (step >= 0.1) return "##0.0";
  if (step >= 0.01) return "0.00";
  if (step >= 0.001) return "0.000";
  return "0.0000";
}

class Painter {
 public:
  Painter(QPainter& painter, const ChartFrame& frame, const ChartGeometry& geometry, const Numbers& numbers)
      : p_(painter), frame_(frame), g_(geometry), numbers_(numbers) {}

  void draw() {
    p_.fillRect(QRectF(QPointF(0, 0), kChartPageSize), Qt::white);
    grid();
    p_.save();
    p_.setClipRect(frame_.plot());
    curves();
    states();
    DrawProject(p_, frame_, g_);
    p_.restore();
    labels();
    axes();
    title();
    legend();
  }

 private:
  bool mollier() const { return frame_.style() == ChartStyle::Mollier; }
  double top() const { return std::min(g_.view.tMax, g_.boiling); }

  QPolygonF polygon(const Polyline& line) const {
    QPolygonF polygon;
    for (const ChartPoint& point : line) polygon << frame_.toPage(point);
    return polygon;
  }
  void stroke(const Polyline& line, const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    if (line.size() < 2) return;
    p_.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPolyline(polygon(line));
  }
  void text(QPointF at, const QString& text, const QColor& colour, int pixels, Qt::Alignment align) {
    p_.setFont(Font(pixels));
    p_.setPen(colour);
    const QSizeF size = QFontMetricsF(p_.font()).size(0, text);
    QPointF corner = at;
    if (align & Qt::AlignRight) corner.rx() -= size.width();
    if (align & Qt::AlignHCenter) corner.rx() -= size.width() / 2;
    if (align & Qt::AlignBottom) corner.ry() -= size.height();
    if (align & Qt::AlignVCenter) corner.ry() -= size.height() / 2;
    p_.drawText(QRectF(corner, size), Qt::AlignLeft | Qt::AlignTop, text);
  }
  bool inside(QPointF at) const { return frame_.plot().contains(at); }

  void grid() {
    const QRectF plot = frame_.plot();
    p_.setPen(QPen(kGrid, 1));
    if (mollier()) return;  // the h-x diagram's grid is its own lines
    const double tStep = NiceStep(top() - g_.view.tMin, 16);
    for (double k = std::ceil(g_.view.tMin / tStep); k * tStep <= top(); ++k) {
      const double x = frame_.toPage({k * tStep, g_.view.xMin}).x();
      p_.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    const double xStep = NiceStep(g_.view.xMax - g_.view.xMin, 16);
    for (double k = std::ceil(g_.view.xMin / xStep); k * xStep <= g_.view.xMax; ++k) {
      const double y = frame_.toPage({g_.view.tMin, k * xStep}).y();
      p_.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
  }

  void curves() {
    if (mollier()) {
      for (const ChartLine& line : g_.isotherms) stroke(line.points, kIsotherm, 1);
    }
    for (const ChartLine& line : g_.density) stroke(line.points, kDensity, 1.2, Qt::DashLine);
    for (const EnthalpyLine& line : g_.enthalpy) stroke(line.points, kEnthalpy, 1);
    for (const ChartLine& line : g_.relativeHumidity) stroke(line.points, kHumidity, 1.2);
    stroke(g_.saturation, kSaturation, 2.5);
  }

  void states() {
    stroke(g_.states, kState, 2);
    p_.setPen(QPen(Qt::white, 1.5));
    p_.setBrush(kState);
    // A long process line is a trail of small dots; a few states are marked boldly.
    const double radius = g_.states.size() > 20 ? 3.5 : 6;
    for (const ChartPoint& state : g_.states) p_.drawEllipse(frame_.toPage(state), radius, radius);
    p_.setBrush(Qt::NoBrush);
  }

  // The last vertex of a line that lies inside the plot.
  std::optional<QPointF> lastInside(const Polyline& line) const {
    for (auto it = line.rbegin(); it != line.rend(); ++it) {
      const QPointF at = frame_.toPage(*it);
      if (inside(at)) return at;
    }
    return std::nullopt;
  }
  std::optional<QPointF> firstInside(const Polyline& line) const {
    for (const ChartPoint& point : line) {
      const QPointF at = frame_.toPage(point);
      if (inside(at)) return at;
    }
    return std::nullopt;
  }

  // An enthalpy line's wet bulb where it meets saturation, and its enthalpy: at the line's
  // dry end in the chart (inside the right edge where the line leaves through it), beside
  // saturation in the diagram.
  void enthalpyLabels(const EnthalpyLine& line) {
    const QPointF saturated = frame_.toPage(line.atSaturation);
    if (inside(saturated)) {
      text(saturated + QPointF(-5, -3), Text(numbers_, line.wetBulb, "##0.0"), kEnthalpy, 11,
           Qt::AlignRight | Qt::AlignBottom);
    }
    if (mollier()) {
      if (auto at = firstInside(line.points)) {
        text(*at + QPointF(6, 0), Text(numbers_, line.h, "##0"), kEnthalpy, 11, Qt::AlignLeft | Qt::AlignVCenter);
      }
    } else if (auto at = lastInside(line.points)) {
      const bool atRightEdge = at->x() > frame_.plot().right() - 30;
      text(*at + QPointF(atRightEdge ? -4 : 3, -3), Text(numbers_, line.h, "##0"), kEnthalpy, 11,
           (atRightEdge ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
    }
  }

  void labels() {
    for (const ChartLine& line : g_.relativeHumidity) {
      if (auto at = lastInside(line.points)) {
        text(*at + QPointF(-4, 2), Text(numbers_, line.value, "##0") + QStringLiteral(" %"), kHumidity, 12,
             Qt::AlignRight | Qt::AlignTop);
      }
    }
    for (const EnthalpyLine& line : g_.enthalpy) enthalpyLabels(line);
    for (const ChartLine& line : g_.density) {
      if (auto at = lastInside(line.points)) {
        text(*at + QPointF(4, 0), Text(numbers_, line.value, DecimalsFor(g_.densityStep)), kDensity, 11,
             Qt::AlignLeft | Qt::AlignVCenter);
      }
    }
    if (mollier()) {
      for (const ChartLine& line : g_.isotherms) {
        if (auto at = firstInside(line.points)) {
          text(*at + QPointF(4, -2), Text(numbers_, line.value, "##0"), kIsotherm, 11, Qt::AlignLeft | Qt::AlignBottom);
        }
      }
    }
  }

  void axes() {
    const QRectF plot = frame_.plot();
    p_.setPen(QPen(kInk, 1.2));
    p_.drawRect(plot);
    if (!mollier()) {
      const double tStep = NiceStep(top() - g_.view.tMin, 16);
      for (double k = std::ceil(g_.view.tMin / tStep); k * tStep <= top(); ++k) {
        const QPointF at(frame_.toPage({k * tStep, g_.view.xMin}).x(), plot.bottom() + 6);
        text(at, Text(numbers_, k * tStep, DecimalsFor(tStep)), kInk, 13, Qt::AlignHCenter | Qt::AlignTop);
      }
      horizontalTitle(kTemperatureTitle);
      humidityTicks(false);
      verticalTitle(kHumidityTitle, plot.right() + 78, 90);
      verticalTitle(kEnthalpyTitle, plot.left() - 30, -90);
      return;
    }
    humidityTicks(true);
    horizontalTitle(kHumidityTitle);
    // Enthalpy read where x = 0, on the left edge, where the ordinate equals h.
    const double hStep = NiceStep(frame_.verticalMax() - frame_.verticalMin(), 16);
    for (double k = std::ceil(frame_.verticalMin() / hStep); k * hStep <= frame_.verticalMax(); ++k) {
      const double y = plot.bottom() - (k * hStep - frame_.verticalMin()) /
                                           (frame_.verticalMax() - frame_.verticalMin()) * plot.height();
      text(QPointF(plot.left() - 6, y), Text(numbers_, k * hStep, DecimalsFor(hStep)), kInk, 13,
           Qt::AlignRight | Qt::AlignVCenter);
    }
    verticalTitle(kEnthalpyTitle, plot.left() - 62, -90);
  }

  void humidityTicks(bool across) {
    const QRectF plot = frame_.plot();
    const double step = NiceStep(g_.view.xMax - g_.view.xMin, across ? 12 : 16);
    for (double k = std::ceil(g_.view.xMin / step); k * step <= g_.view.xMax + step / 1000; ++k) {
      const QString label = Text(numbers_, k * step, DecimalsFor(step));
      if (across) {
        const double span = (k * step - g_.view.xMin) / (g_.view.xMax - g_.view.xMin);
        text(QPointF(plot.left() + span * plot.width(), plot.bottom() + 6), label, kInk, 13,
             Qt::AlignHCenter | Qt::AlignTop);
      } else {
        text(QPointF(plot.right() + 6, frame_.toPage({g_.view.tMin, k * step}).y()), label, kInk, 13,
             Qt::AlignLeft | Qt::AlignVCenter);
      }
    }
  }

  void horizontalTitle(const char* title) {
    const QRectF plot = frame_.plot();
    text(QPointF(plot.center().x(), plot.bottom() + 30), QString::fromUtf8(title), kInk, 15,
         Qt::AlignHCenter | Qt::AlignTop);
  }
  void verticalTitle(const char* title, double x, double degrees) {
    p_.save();
    p_.translate(x, frame_.plot().center().y());
    p_.rotate(degrees);
    text(QPointF(0, 0), QString::fromUtf8(title), kInk, 15, Qt::AlignHCenter | Qt::AlignVCenter);
    p_.restore();
  }

  void title() {
    const QString name = mollier() ? QStringLiteral("Mollier h-x diagram") : QStringLiteral("Psychrometric chart");
    const QString pressure = QStringLiteral("p = ") + Text(numbers_, g_.p, kResultFields[0].pattern) + " bar";
    p_.setFont(Font(20, true));
    p_.setPen(kInk);
    p_.drawText(QRectF(0, 14, kChartPageSize.width(), 40), Qt::AlignHCenter | Qt::AlignVCenter,
                name + QStringLiteral("    ") + pressure);
  }

  void legend() {
    struct Entry {
      QColor colour;
      double width;
      Qt::PenStyle style;
      QString text;
    };
    std::vector<Entry> entries = {
        {kSaturation, 2.5, Qt::SolidLine, QStringLiteral("Saturation, RH 100 %")},
        {kHumidity, 1.2, Qt::SolidLine, QStringLiteral("Relative humidity, RH  [%]")},
        {kEnthalpy, 1, Qt::SolidLine, QStringLiteral("Enthalpy, h  [kJ/kg]; wet bulb twb  [oC] at saturation")},
        {kDensity, 1.2, Qt::DashLine,
         QStringLiteral("Density, ro  [kg/m3], every ") + Text(numbers_, g_.densityStep, DecimalsFor(g_.densityStep))},
    };
    if (mollier()) entries.push_back({kIsotherm, 1, Qt::SolidLine, QString::fromUtf8(kTemperatureTitle)});
    if (!g_.arrows.empty()) {
      entries.push_back(
          {kProjectColour, 2.2, Qt::SolidLine, QStringLiteral("Processes; - - on to a coil's apparatus dew point")});
    }
    if (!g_.states.empty()) {
      entries.push_back({kState, 2, Qt::SolidLine,
                         g_.states.size() == 1 ? QStringLiteral("State")
                                               : QStringLiteral("Process line, %1 states").arg(g_.states.size())});
    }
    const QFont font = Font(12);
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const Entry& entry : entries) widest = std::max(widest, metrics.horizontalAdvance(entry.text));
    const double row = metrics.height() + 4;
    const QSizeF size(widest + 56, row * static_cast<double>(entries.size()) + 12);
    const QRectF plot = frame_.plot();
    // The corner no curve crosses: above saturation in the chart, below it in the diagram.
    const QPointF corner = mollier() ? plot.bottomRight() - QPointF(size.width() + 12, size.height() + 12)
                                     : plot.topLeft() + QPointF(12, 12);
    const QRectF box(corner, size);
    p_.setPen(QPen(kInk, 0.8));
    p_.setBrush(QColor(255, 255, 255, 235));
    p_.drawRect(box);
    p_.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const double y = box.top() + 6 + row * (static_cast<double>(i) + 0.5);
      p_.setPen(QPen(entries[i].colour, entries[i].width, entries[i].style));
      p_.drawLine(QPointF(box.left() + 8, y), QPointF(box.left() + 40, y));
      if (entries[i].colour == kState) {
        p_.setBrush(kState);
        p_.drawEllipse(QPointF(box.left() + 24, y), 4.5, 4.5);
        p_.setBrush(Qt::NoBrush);
      }
      text(QPointF(box.left() + 48, y), entries[i].text, kInk, 12, Qt::AlignLeft | Qt::AlignVCenter);
    }
  }

  QPainter& p_;
  const ChartFrame& frame_;
  const ChartGeometry& g_;
  const Numbers& numbers_;
};

}  // namespace

RenderedChart RenderChart(QPainter& painter, const QRectF& target, const ChartGeometry& geometry, ChartStyle style,
                          const Numbers& numbers) {
  const double scale = std::min(target.width() / kChartPageSize.width(), target.height() / kChartPageSize.height());
  const QPointF offset = target.center() - QPointF(kChartPageSize.width(), kChartPageSize.height()) * scale / 2;
  QTransform pageToDevice;
  pageToDevice.translate(offset.x(), offset.y());
  pageToDevice.scale(scale, scale);
  RenderedChart rendered{ChartFrame(geometry, style), pageToDevice};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setTransform(pageToDevice, true);
  Painter(painter, rendered.frame, geometry, numbers).draw();
  painter.restore();
  return rendered;
}

}  // namespace vaporel
