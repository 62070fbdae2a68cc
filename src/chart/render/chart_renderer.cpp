#include "chart/render/chart_renderer.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "calculation/result_texts.hpp"
#include "chart/geometry/mollier.hpp"
#include "chart/geometry/one_two_five.hpp"
#include "chart/render/project_overlay.hpp"
#include "properties/shared_relations.hpp"

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

const QColor kZoneColours[] = {QColor(150, 60, 170), QColor(0, 140, 140), QColor(190, 140, 0), QColor(200, 60, 90)};
const QColor kMark(20, 20, 20);

// The colour scale of counts per cell, light to dark (yellow over green to blue), one colour a
// class.
const QColor kCellColours[kDensityClasses] = {QColor(255, 255, 204), QColor(237, 248, 177), QColor(199, 233, 180),
                                              QColor(127, 205, 187), QColor(65, 182, 196),  QColor(29, 145, 192),
                                              QColor(34, 94, 168),   QColor(37, 52, 148),   QColor(8, 29, 88)};

// The humidity axis in IP counts grains per pound, as printed IP charts do.
Quantity HumidityAxis(UnitSystem units) {
  return units == UnitSystem::IP ? Quantity::GrainsPerPound : Quantity::HumidityRatio;
}

QString Unit(Quantity quantity, UnitSystem units) {
  return QStringLiteral("[") + QString::fromUtf8(UnitName(quantity, units).data()) + QStringLiteral("]");
}
QString TemperatureTitle(UnitSystem units) {
  return QStringLiteral("Dry bulb temperature, tdb  ") + Unit(Quantity::Temperature, units);
}
QString HumidityTitle(UnitSystem units) {
  if (units == UnitSystem::SI) return QStringLiteral("Absolute humidity, x  [-]");
  return QStringLiteral("Humidity ratio, x  ") + Unit(Quantity::GrainsPerPound, units);
}
QString EnthalpyTitle(UnitSystem units) { return QStringLiteral("Enthalpy, h  ") + Unit(Quantity::Enthalpy, units); }

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
  Painter(QPainter& painter, const ChartFrame& frame, const ChartGeometry& geometry, const Numbers& numbers,
          RenderedChart& rendered, bool legendBelow)
      : p_(painter), frame_(frame), g_(geometry), numbers_(numbers), rendered_(rendered), legendBelow_(legendBelow) {}

  // Whether the legend finds a place in the plot where it hides nothing.
  bool legendFitsInPlot() {
    placeLegend();
    return covered(rendered_.legend) == 0;
  }
  // The room a legend under the plot takes: its entries in rows across the page.
  double legendBand() const { return belowLayout().box.height() + kBandGap; }

  // The axes' numbers are placed first, then the legend where it covers least, then the
  // curves' labels, each dropped where it would lie on one already placed.
  void draw() {
    p_.fillRect(QRectF(QPointF(0, 0), kChartPageSize), Qt::white);
    grid();
    p_.save();
    p_.setClipRect(frame_.plot());
    stateCells();
    zones();
    curves();
    states();
    temperatureMarks();
    p_.restore();
    axes();
    placeLegend();
    p_.save();
    p_.setClipRect(frame_.plot());
    DrawProject(p_, frame_, g_, rendered_.labels, rendered_.legend);
    marks();
    p_.restore();
    zoneLabels();
    temperatureMarkLabels();
    labels();
    title();
    legend();
  }

 private:
  UnitSystem units() const { return g_.units; }
  double shown(Quantity q, double si) const { return ToUnits(q, g_.units, si); }
  double si(Quantity q, double value) const { return FromUnits(q, g_.units, value); }

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
  static QRectF boxAt(QPointF at, QSizeF size, Qt::Alignment align) {
    QPointF corner = at;
    if (align & Qt::AlignRight) corner.rx() -= size.width();
    if (align & Qt::AlignHCenter) corner.rx() -= size.width() / 2;
    if (align & Qt::AlignBottom) corner.ry() -= size.height();
    if (align & Qt::AlignVCenter) corner.ry() -= size.height() / 2;
    return {corner, size};
  }
  // A label, unless it would lie on one already written or on the legend; on a white ground
  // where it would lie over the cells of a density.
  bool text(QPointF at, const QString& text, const QColor& colour, int pixels, Qt::Alignment align) {
    p_.setFont(Font(pixels));
    const QRectF box = boxAt(at, QFontMetricsF(p_.font()).size(0, text), align);
    if (box.intersects(rendered_.legend) || OverProcessLine(box, frame_, g_)) return false;
    for (const QRectF& placed : rendered_.labels) {
      if (box.intersects(placed)) return false;
    }
    for (const QRectF& mark : markBoxes_) {
      if (box.intersects(mark)) return false;
    }
    rendered_.labels.push_back(box);
    if (!g_.stateCells.cells.empty()) p_.fillRect(box.adjusted(-2, 0, 2, 0), QColor(255, 255, 255, 210));
    p_.setPen(colour);
    p_.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    return true;
  }
  // A title or a legend's line: always written, never in the way of a label.
  void caption(QPointF at, const QString& text, const QColor& colour, int pixels, Qt::Alignment align) {
    p_.setFont(Font(pixels));
    p_.setPen(colour);
    p_.drawText(boxAt(at, QFontMetricsF(p_.font()).size(0, text), align), Qt::AlignLeft | Qt::AlignTop, text);
  }
  bool inside(QPointF at) const { return frame_.plot().contains(at); }

  // Round values of a quantity shown across [low, high] (SI), at most `most` steps apart:
  // each as the value shown and its SI value.
  struct Tick {
    double shown, si;
  };
  std::vector<Tick> ticks(Quantity q, double low, double high, int most) const {
    const double from = shown(q, low), to = shown(q, high);
    const double step = NiceStep(to - from, most);
    std::vector<Tick> out;
    for (double k = std::ceil(from / step); k * step <= to + step / 1000 && out.size() < 200; ++k) {
      out.push_back({k * step, si(q, k * step)});
    }
    return out;
  }
  double tickStep(Quantity q, double low, double high, int most) const {
    return NiceStep(shown(q, high) - shown(q, low), most);
  }

  void grid() {
    const QRectF plot = frame_.plot();
    p_.setPen(QPen(kGrid, 1));
    if (mollier()) return;  // the h-x diagram's grid is its own lines
    for (const Tick& t : ticks(Quantity::Temperature, g_.view.tMin, top(), 16)) {
      const double x = frame_.toPage({t.si, g_.view.xMin}).x();
      p_.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (const Tick& t : ticks(HumidityAxis(units()), g_.view.xMin, g_.view.xMax, 16)) {
      const double y = frame_.toPage({g_.view.tMin, t.si}).y();
      p_.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
  }

  void zones() {
    for (std::size_t i = 0; i < g_.zones.size(); ++i) {
      QColor fill = kZoneColours[i % std::size(kZoneColours)];
      const QColor edge = fill;
      fill.setAlpha(45);
      p_.setPen(QPen(edge, 1.5));
      p_.setBrush(fill);
      for (const ZoneOutline& region : g_.zones[i].regions) p_.drawPolygon(polygon(region));
      p_.setBrush(Qt::NoBrush);
    }
  }

  // A zone's name inside its largest region, at its upper left.
  void zoneLabels() {
    for (std::size_t i = 0; i < g_.zones.size(); ++i) {
      const ChartZone& zone = g_.zones[i];
      QRectF largest;
      for (const ZoneOutline& region : zone.regions) {
        const QRectF bounds = polygon(region).boundingRect();
        if (bounds.width() * bounds.height() > largest.width() * largest.height()) largest = bounds;
      }
      if (largest.isEmpty()) continue;
      const QPointF at = largest.center();
      text(at, QString::fromStdString(zone.name), kZoneColours[i % std::size(kZoneColours)].darker(130), 12,
           Qt::AlignHCenter | Qt::AlignVCenter);
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
    if (g_.statesJoined) stroke(g_.states, kState, 2);
    // A long process line is a trail of small dots; a few states are marked boldly; points
    // alone are small and without a rim, so that a crowd of them stays a cloud.
    const double radius = !g_.statesJoined ? 2 : g_.states.size() > 20 ? 3.5 : 6;
    p_.setPen(g_.statesJoined ? QPen(Qt::white, 1.5) : QPen(Qt::NoPen));
    p_.setBrush(kState);
    for (const ChartPoint& state : g_.states) p_.drawEllipse(frame_.toPage(state), radius, radius);
    p_.setBrush(Qt::NoBrush);
  }

  // The colour of a density's class among `classes`: the scale spread over them, so that the
  // first is always the lightest colour and the last the darkest.
  static QColor classColour(std::size_t index, std::size_t classes) {
    if (classes <= 1) return kCellColours[kDensityClasses - 1];
    return kCellColours[index * (kDensityClasses - 1) / (classes - 1)];
  }
  // Each cell of a density filled with its class's colour.
  void stateCells() {
    const std::vector<long> starts = DensityClassStarts(g_.stateCells.most);
    p_.setPen(Qt::NoPen);
    for (const DensityCell& cell : g_.stateCells.cells) {
      QPolygonF quad;
      for (const ChartPoint& corner : cell.corners) quad << frame_.toPage(corner);
      p_.setBrush(classColour(DensityClassOf(cell.count, starts), starts.size()));
      p_.drawPolygon(quad);
    }
    p_.setBrush(Qt::NoBrush);
  }

  static QPolygonF diamond(QPointF at, double r) {
    return QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)});
  }
  // The marked points, each a diamond, then their names beside them where there is room.
  void marks() {
    for (const ChartMark& mark : g_.marks) {
      const QPointF at = frame_.toPage(mark.at);
      p_.setPen(QPen(mark.hollow ? kMark : Qt::white, mark.hollow ? 1.8 : 1.2));
      p_.setBrush(mark.hollow ? QBrush(Qt::NoBrush) : QBrush(kMark));
      p_.drawPolygon(diamond(at, 6));
      p_.setBrush(Qt::NoBrush);
      markBoxes_.push_back(QRectF(at - QPointF(7, 7), QSizeF(14, 14)));
    }
    for (const ChartMark& mark : g_.marks) {
      const QPointF at = frame_.toPage(mark.at);
      if (mark.name.empty()) continue;
      const QString name = QString::fromStdString(mark.name);
      const QPointF beside[] = {{9, 0}, {-9, 0}, {0, -9}, {0, 9}};
      const Qt::Alignment aligns[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
                                      Qt::AlignHCenter | Qt::AlignBottom, Qt::AlignHCenter | Qt::AlignTop};
      for (std::size_t i = 0; i < std::size(beside); ++i) {
        if (text(at + beside[i], name, kMark, 12, aligns[i])) break;
      }
    }
  }
  // A marked dry bulb: a dashed line across the whole view.
  void temperatureMarks() {
    for (const TemperatureMark& mark : g_.temperatureMarks) {
      stroke({{mark.t, g_.view.xMin}, {mark.t, g_.view.xMax}}, kMark, 1.6, Qt::DashLine);
    }
  }
  void temperatureMarkLabels() {
    for (const TemperatureMark& mark : g_.temperatureMarks) {
      // At the top of the chart's vertical line; at the dry end of the diagram's isotherm.
      const QString name = QString::fromStdString(mark.name);
      if (mollier()) {
        const QPointF dry = frame_.toPage({mark.t, g_.view.xMin});
        text(dry + QPointF(6, -4), name, kMark, 12, Qt::AlignLeft | Qt::AlignBottom);
      } else {
        text(frame_.toPage({mark.t, g_.view.xMax}) + QPointF(4, 6), name, kMark, 12, Qt::AlignLeft | Qt::AlignTop);
      }
    }
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
    const QString h = Text(numbers_, shown(Quantity::Enthalpy, line.h), "##0");
    if (inside(saturated)) {
      text(saturated + QPointF(-5, -3), Text(numbers_, shown(Quantity::Temperature, line.wetBulb), "##0.0"), kEnthalpy,
           11, Qt::AlignRight | Qt::AlignBottom);
    }
    if (mollier()) {
      if (auto at = firstInside(line.points))
        text(*at + QPointF(6, 0), h, kEnthalpy, 11, Qt::AlignLeft | Qt::AlignVCenter);
    } else if (auto at = lastInside(line.points)) {
      const bool atRightEdge = at->x() > frame_.plot().right() - 30;
      text(*at + QPointF(atRightEdge ? -4 : 3, -3), h, kEnthalpy, 11,
           (atRightEdge ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
    }
  }

  // The chart's enthalpy scale on its left edge: each line carried on straight, dotted, from
  // saturation to where it would meet the edge, and its value there.
  void enthalpyScale() {
    const QRectF plot = frame_.plot();
    for (const EnthalpyLine& line : g_.enthalpy) {
      const double x = g_.relations->humidityFromEnthalpy(line.h, g_.view.tMin);
      if (!(x >= g_.view.xMin && x <= g_.view.xMax)) continue;
      const QPointF edge = frame_.toPage({g_.view.tMin, x});
      if (!text(QPointF(plot.left() - 6, edge.y()), Text(numbers_, shown(Quantity::Enthalpy, line.h), "##0"), kEnthalpy,
                12, Qt::AlignRight | Qt::AlignVCenter)) {
        continue;
      }
      p_.setPen(QPen(kEnthalpy, 1));
      p_.drawLine(QPointF(plot.left() - 4, edge.y()), edge);
      p_.save();
      p_.setClipRect(plot);
      p_.setPen(QPen(QColor(kEnthalpy.red(), kEnthalpy.green(), kEnthalpy.blue(), 90), 0.8, Qt::DotLine));
      p_.drawLine(frame_.toPage(line.atSaturation), edge);
      p_.restore();
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
        text(*at + QPointF(4, 0), Text(numbers_, shown(Quantity::Density, line.value), DecimalsFor(g_.densityStep)),
             kDensity, 11, Qt::AlignLeft | Qt::AlignVCenter);
      }
    }
    if (mollier()) {
      for (const ChartLine& line : g_.isotherms) {
        if (auto at = firstInside(line.points)) {
          text(*at + QPointF(4, -2), Text(numbers_, shown(Quantity::Temperature, line.value), "##0"), kIsotherm, 11,
               Qt::AlignLeft | Qt::AlignBottom);
        }
      }
    }
  }

  void axes() {
    const QRectF plot = frame_.plot();
    p_.setPen(QPen(kInk, 1.2));
    p_.drawRect(plot);
    if (!mollier()) {
      const double tStep = tickStep(Quantity::Temperature, g_.view.tMin, top(), 16);
      for (const Tick& t : ticks(Quantity::Temperature, g_.view.tMin, top(), 16)) {
        const QPointF at(frame_.toPage({t.si, g_.view.xMin}).x(), plot.bottom() + 6);
        text(at, Text(numbers_, t.shown, DecimalsFor(tStep)), kInk, 13, Qt::AlignHCenter | Qt::AlignTop);
      }
      horizontalTitle(TemperatureTitle(units()));
      humidityTicks(false);
      verticalTitle(HumidityTitle(units()), plot.right() + 78, 90);
      enthalpyScale();
      verticalTitle(EnthalpyTitle(units()), plot.left() - 62, -90);
      return;
    }
    humidityTicks(true);
    horizontalTitle(HumidityTitle(units()));
    // Enthalpy read where x = 0, on the left edge, where the ordinate equals h.
    const double hStep = tickStep(Quantity::Enthalpy, frame_.verticalMin(), frame_.verticalMax(), 16);
    for (const Tick& h : ticks(Quantity::Enthalpy, frame_.verticalMin(), frame_.verticalMax(), 16)) {
      const double y =
          plot.bottom() - (h.si - frame_.verticalMin()) / (frame_.verticalMax() - frame_.verticalMin()) * plot.height();
      text(QPointF(plot.left() - 6, y), Text(numbers_, h.shown, DecimalsFor(hStep)), kInk, 13,
           Qt::AlignRight | Qt::AlignVCenter);
    }
    verticalTitle(EnthalpyTitle(units()), plot.left() - 62, -90);
  }

  void humidityTicks(bool across) {
    const QRectF plot = frame_.plot();
    const Quantity q = HumidityAxis(units());
    const double step = tickStep(q, g_.view.xMin, g_.view.xMax, across ? 12 : 16);
    for (const Tick& x : ticks(q, g_.view.xMin, g_.view.xMax, across ? 12 : 16)) {
      const QString label = Text(numbers_, x.shown, DecimalsFor(step));
      if (across) {
        const double span = (x.si - g_.view.xMin) / (g_.view.xMax - g_.view.xMin);
        text(QPointF(plot.left() + span * plot.width(), plot.bottom() + 6), label, kInk, 13,
             Qt::AlignHCenter | Qt::AlignTop);
      } else {
        text(QPointF(plot.right() + 6, frame_.toPage({g_.view.tMin, x.si}).y()), label, kInk, 13,
             Qt::AlignLeft | Qt::AlignVCenter);
      }
    }
  }

  void horizontalTitle(const QString& title) {
    const QRectF plot = frame_.plot();
    caption(QPointF(plot.center().x(), plot.bottom() + 30), title, kInk, 15, Qt::AlignHCenter | Qt::AlignTop);
  }
  void verticalTitle(const QString& title, double x, double degrees) {
    p_.save();
    p_.translate(x, frame_.plot().center().y());
    p_.rotate(degrees);
    caption(QPointF(0, 0), title, kInk, 15, Qt::AlignHCenter | Qt::AlignVCenter);
    p_.restore();
  }

  void title() {
    const QString name = mollier() ? QStringLiteral("Mollier h-x diagram") : QStringLiteral("Psychrometric chart");
    const QString pressure = QStringLiteral("p = ") +
                             Text(numbers_, shown(Quantity::Pressure, g_.p), kResultFields[0].pattern) +
                             QStringLiteral(" ") + QString::fromUtf8(UnitName(Quantity::Pressure, units()).data());
    p_.setFont(Font(20, true));
    p_.setPen(kInk);
    const QString formulation =
        g_.formulation.empty()
            ? QString()
            : QStringLiteral("    ") + QString::fromStdString(g_.formulation) + QStringLiteral(" formulation");
    p_.drawText(QRectF(0, 14, kChartPageSize.width(), 40), Qt::AlignHCenter | Qt::AlignVCenter,
                name + QStringLiteral("    ") + pressure + formulation);
  }

  // A legend's entry: its line (or its mark, or a zone's swatch) and its text, and after the
  // text the swatches of a colour scale, each with its text.
  enum class Sample { Line, Mark, HollowMark, Swatch };
  struct Entry {
    Entry(QColor lineColour, double lineWidth, Qt::PenStyle lineStyle, QString caption, Sample kind = Sample::Line,
          std::vector<std::pair<QColor, QString>> classes = {})
        : colour(lineColour),
          width(lineWidth),
          style(lineStyle),
          text(std::move(caption)),
          sample(kind),
          scale(std::move(classes)) {}
    QColor colour;
    double width;
    Qt::PenStyle style;
    QString text;
    Sample sample;
    std::vector<std::pair<QColor, QString>> scale;
  };
  static constexpr double kSwatch = 16, kSwatchGap = 6;
  static QString upperFirst(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
  }
  static double entryWidth(const Entry& entry) {
    const QFontMetricsF metrics(Font(12));
    double width = metrics.horizontalAdvance(entry.text);
    for (const auto& [colour, text] : entry.scale) width += kSwatchGap * 2 + kSwatch + metrics.horizontalAdvance(text);
    return width;
  }
  // The density's classes as swatches: "1", "2–4", ..., "500+".
  std::vector<std::pair<QColor, QString>> densityScale() const {
    const std::vector<long> starts = DensityClassStarts(g_.stateCells.most);
    std::vector<std::pair<QColor, QString>> scale;
    for (std::size_t i = 0; i < starts.size(); ++i) {
      QString text = QString::number(starts[i]);
      if (i + 1 == starts.size()) {
        if (g_.stateCells.most > starts[i]) text += QStringLiteral("+");
      } else if (starts[i + 1] - 1 > starts[i]) {
        text += QStringLiteral("–") + QString::number(starts[i + 1] - 1);
      }
      scale.emplace_back(classColour(i, starts.size()), text);
    }
    return scale;
  }
  std::vector<Entry> legendEntries() const {
    const QString every = Text(numbers_, g_.densityStep, DecimalsFor(g_.densityStep));
    std::vector<Entry> entries = {
        {kSaturation, 2.5, Qt::SolidLine, QStringLiteral("Saturation, RH 100 %")},
        {kHumidity, 1.2, Qt::SolidLine, QStringLiteral("Relative humidity, RH  [%]")},
        {kEnthalpy, 1, Qt::SolidLine,
         EnthalpyTitle(units()) + QStringLiteral("; wet bulb twb  ") + Unit(Quantity::Temperature, units()) +
             QStringLiteral(" at saturation")},
        {kDensity, 1.2, Qt::DashLine,
         QStringLiteral("Density, ro  ") + Unit(Quantity::Density, units()) + QStringLiteral(", every ") + every},
    };
    if (mollier()) entries.push_back({kIsotherm, 1, Qt::SolidLine, TemperatureTitle(units())});
    if (!g_.arrows.empty()) {
      entries.push_back(
          {kProjectColour, 2.2, Qt::SolidLine,
           QStringLiteral("Processes; - - on to saturation (a coil's apparatus dew point, a room's condition line)")});
    }
    if (!g_.states.empty()) {
      const QString what = !g_.statesJoined        ? QStringLiteral("States, %1").arg(g_.states.size())
                           : g_.states.size() == 1 ? QStringLiteral("State")
                                                   : QStringLiteral("Process line, %1 states").arg(g_.states.size());
      entries.push_back({kState, 2, g_.statesJoined ? Qt::SolidLine : Qt::NoPen, what});
    }
    if (!g_.stateCells.cells.empty()) {
      Entry cells{
          kInk,
          0,
          Qt::NoPen,
          upperFirst(QString::fromStdString(g_.stateCells.counted + " per cell of " + g_.stateCells.cell + ":")),
          Sample::Swatch,
          densityScale()};
      cells.colour = kCellColours[kDensityClasses / 2];
      entries.push_back(cells);
    }
    for (std::size_t i = 0; i < g_.zones.size(); ++i) {
      const ChartZone& zone = g_.zones[i];
      if (!zone.count) continue;
      entries.push_back({kZoneColours[i % std::size(kZoneColours)], 1.5, Qt::SolidLine,
                         QString::fromStdString(zone.name + ": " + std::to_string(*zone.count) + " " +
                                                g_.stateCells.counted + " inside"),
                         Sample::Swatch});
    }
    const MarkCaptions& captions = g_.markCaptions;
    const auto any = [&](bool hollow) {
      return std::any_of(g_.marks.begin(), g_.marks.end(), [&](const ChartMark& m) { return m.hollow == hollow; });
    };
    if (any(false) && !captions.filled.empty())
      entries.push_back({kMark, 1.2, Qt::NoPen, QString::fromStdString(captions.filled), Sample::Mark});
    if (any(true) && !captions.hollow.empty())
      entries.push_back({kMark, 1.8, Qt::NoPen, QString::fromStdString(captions.hollow), Sample::HollowMark});
    if (!g_.temperatureMarks.empty() && !captions.temperature.empty())
      entries.push_back({kMark, 1.6, Qt::DashLine, QString::fromStdString(captions.temperature)});
    return entries;
  }
  static double legendRow() { return QFontMetricsF(Font(12)).height() + 4; }

  // How much of the drawing a box would hide: the segments of every curve it crosses (the
  // saturation curve and the states counting most) and the labels it covers.
  double covered(const QRectF& box) const {
    double score = 0;
    const auto line = [&](const auto& points, double weight) {
      for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF a = frame_.toPage(points[i - 1]), b = frame_.toPage(points[i]);
        if (QRectF(a, b).normalized().adjusted(-1, -1, 1, 1).intersects(box)) score += weight;
      }
    };
    line(g_.saturation, 5);
    for (const ChartLine& l : g_.relativeHumidity) line(l.points, 1);
    for (const EnthalpyLine& l : g_.enthalpy) line(l.points, 1);
    for (const ChartLine& l : g_.density) line(l.points, 1);
    if (mollier()) {
      for (const ChartLine& l : g_.isotherms) line(l.points, 1);
    }
    for (const ZoneOutline& region : zoneOutlines()) line(region, 2);
    score += pointsCovered(box);
    for (const ChartArrow& arrow : g_.arrows) line(std::vector<ChartPoint>{arrow.from, arrow.to}, 20);
    for (const EnthalpyLine& l : g_.enthalpy) score += box.contains(frame_.toPage(l.atSaturation)) ? 3 : 0;
    return score;
  }
  // The points a box would hide: states, a project's states (with room for their names), the
  // cells of a density and the marks.
  double pointsCovered(const QRectF& box) const {
    double score = 0;
    for (const ChartPoint& state : g_.states) score += box.contains(frame_.toPage(state)) ? 20 : 0;
    for (const DensityCell& cell : g_.stateCells.cells) score += box.contains(frame_.toPage(cell.corners[0])) ? 3 : 0;
    for (const ChartMark& mark : g_.marks) score += box.contains(frame_.toPage(mark.at)) ? 20 : 0;
    for (const NamedPoint& point : g_.named)
      score += box.adjusted(-40, -20, 40, 20).contains(frame_.toPage(point.at)) ? 20 : 0;
    return score;
  }
  std::vector<ZoneOutline> zoneOutlines() const {
    std::vector<ZoneOutline> all;
    for (const ChartZone& zone : g_.zones) all.insert(all.end(), zone.regions.begin(), zone.regions.end());
    return all;
  }

  static constexpr double kBandGap = 8;
  static constexpr double kUnderTitle = 54;  // from the plot's bottom to below the axis's title

  // The legend under the axis's title: as many columns as fit across the plot.
  struct Layout {
    QRectF box;
    std::vector<QPointF> lines;  // each entry's line start, at its middle height
  };
  Layout belowLayout() const {
    const std::vector<Entry> entries = legendEntries();
    double widest = 0;
    for (const Entry& entry : entries) widest = std::max(widest, entryWidth(entry));
    const double column = widest + 64, width = frame_.plot().width();
    const std::size_t columns = std::clamp<std::size_t>(static_cast<std::size_t>(width / column), 1, entries.size());
    const std::size_t rows = (entries.size() + columns - 1) / columns;
    const double row = legendRow();
    Layout layout;
    const double boxWidth = column * static_cast<double>(columns);
    layout.box = QRectF(frame_.plot().center().x() - boxWidth / 2, frame_.plot().bottom() + kUnderTitle, boxWidth,
                        row * static_cast<double>(rows) + 12);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::size_t line = i / columns, place = i % columns;
      layout.lines.emplace_back(layout.box.left() + column * static_cast<double>(place),
                                layout.box.top() + 6 + row * (static_cast<double>(line) + 0.5));
    }
    return layout;
  }
  Layout insideLayout(QPointF corner, QSizeF size) const {
    Layout layout{QRectF(corner, size), {}};
    const std::size_t n = legendEntries().size();
    for (std::size_t i = 0; i < n; ++i) {
      layout.lines.emplace_back(corner.x(), corner.y() + 6 + legendRow() * (static_cast<double>(i) + 0.5));
    }
    return layout;
  }

  // The legend goes where it hides least, inside the plot: a corner or the middle of an edge,
  // the style's usual corner first among equals; or under the plot when told so.
  void placeLegend() {
    if (legendBelow_) {
      rendered_.legend = belowLayout().box;
      return;
    }
    const std::vector<Entry> entries = legendEntries();
    double widest = 0;
    for (const Entry& entry : entries) widest = std::max(widest, entryWidth(entry));
    const QSizeF size(widest + 56, legendRow() * static_cast<double>(entries.size()) + 12);
    const QRectF inner = frame_.plot().adjusted(12, 12, -12, -12);
    const double right = inner.right() - size.width(), bottom = inner.bottom() - size.height();
    const double middle = inner.center().x() - size.width() / 2;
    const QPointF usual = mollier() ? QPointF(right, bottom) : inner.topLeft();
    const QPointF corners[] = {usual,           inner.topLeft(),        {right, inner.top()},
                               {right, bottom}, {inner.left(), bottom}, {middle, inner.top()},
                               {middle, bottom}};
    QRectF best(usual, size);
    double least = covered(best);
    for (const QPointF& corner : corners) {
      const QRectF box(corner, size);
      const double score = covered(box);
      if (score < least) {
        least = score;
        best = box;
      }
    }
    rendered_.legend = best;
  }

  void legend() {
    const std::vector<Entry> entries = legendEntries();
    const Layout layout =
        legendBelow_ ? belowLayout() : insideLayout(rendered_.legend.topLeft(), rendered_.legend.size());
    p_.setPen(QPen(kInk, 0.8));
    p_.setBrush(QColor(255, 255, 255, 235));
    p_.drawRect(layout.box);
    p_.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < entries.size(); ++i) legendEntry(entries[i], layout.lines[i]);
  }
  void legendEntry(const Entry& entry, QPointF at) {
    switch (entry.sample) {
      case Sample::Line:
        p_.setPen(QPen(entry.colour, entry.width, entry.style));
        if (entry.style != Qt::NoPen) p_.drawLine(at + QPointF(8, 0), at + QPointF(40, 0));
        break;
      case Sample::Mark:
      case Sample::HollowMark: {
        const bool hollow = entry.sample == Sample::HollowMark;
        p_.setPen(QPen(hollow ? kMark : Qt::white, entry.width));
        p_.setBrush(hollow ? QBrush(Qt::NoBrush) : QBrush(kMark));
        p_.drawPolygon(diamond(at + QPointF(24, 0), 6));
        break;
      }
      case Sample::Swatch: {
        QColor fill = entry.colour;
        if (entry.scale.empty()) fill.setAlpha(90);
        p_.setPen(QPen(entry.colour, 1.5));
        p_.setBrush(fill);
        p_.drawRect(QRectF(at + QPointF(14, -6), QSizeF(20, 12)));
        break;
      }
    }
    if (entry.colour == kState && entry.sample == Sample::Line) {
      p_.setPen(Qt::NoPen);
      p_.setBrush(kState);
      p_.drawEllipse(at + QPointF(24, 0), 4.5, 4.5);
    }
    p_.setBrush(Qt::NoBrush);
    caption(at + QPointF(48, 0), entry.text, kInk, 12, Qt::AlignLeft | Qt::AlignVCenter);
    double x = at.x() + 48 + QFontMetricsF(Font(12)).horizontalAdvance(entry.text) + kSwatchGap * 2;
    for (const auto& [colour, text] : entry.scale) {
      p_.setPen(QPen(QColor(150, 150, 150), 0.8));
      p_.setBrush(colour);
      p_.drawRect(QRectF(x, at.y() - 6, kSwatch, 12));
      p_.setBrush(Qt::NoBrush);
      caption(QPointF(x + kSwatch + 3, at.y()), text, kInk, 12, Qt::AlignLeft | Qt::AlignVCenter);
      x += kSwatch + kSwatchGap * 2 + QFontMetricsF(Font(12)).horizontalAdvance(text);
    }
  }

  QPainter& p_;
  const ChartFrame& frame_;
  const ChartGeometry& g_;
  const Numbers& numbers_;
  RenderedChart& rendered_;
  bool legendBelow_;
  std::vector<QRectF> markBoxes_;  // the marks' diamonds, which no label may hide
};

}  // namespace

RenderedChart RenderChart(QPainter& painter, const QRectF& target, const ChartGeometry& geometry, ChartStyle style,
                          const Numbers& numbers) {
  const double scale = std::min(target.width() / kChartPageSize.width(), target.height() / kChartPageSize.height());
  const QPointF offset = target.center() - QPointF(kChartPageSize.width(), kChartPageSize.height()) * scale / 2;
  QTransform pageToDevice;
  pageToDevice.translate(offset.x(), offset.y());
  pageToDevice.scale(scale, scale);
  RenderedChart rendered{ChartFrame(geometry, style), pageToDevice, {}, {}};
  // A legend that would hide a curve anywhere in the plot goes under it, the plot made shorter
  // (unless the geometry keeps it inside: the plot then keeps its size as the view moves).
  bool below = false;
  {
    RenderedChart trial = rendered;
    Painter inside(painter, trial.frame, geometry, numbers, trial, false);
    if (!geometry.legendInside && !inside.legendFitsInPlot()) {
      below = true;
      const double band = Painter(painter, trial.frame, geometry, numbers, trial, true).legendBand();
      rendered.frame = ChartFrame(geometry, style, band);
    }
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setTransform(pageToDevice, true);
  Painter(painter, rendered.frame, geometry, numbers, rendered, below).draw();
  painter.restore();
  return rendered;
}

}  // namespace vaporel
