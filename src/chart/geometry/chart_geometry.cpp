#include "chart/geometry/chart_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calculation/input_pair.hpp"
#include "calculation/wet_bulb_tolerance.hpp"
#include "chart/geometry/one_two_five.hpp"
#include "properties/constants.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"
#include "properties/wet_bulb.hpp"

namespace vaporel {
namespace {

constexpr int kTemperatureSamples = 240;  // across the view, for curves over tdb
constexpr int kLineSamples = 48;          // along one enthalpy, density line or isotherm
constexpr int kMaxLines = 200;            // of one kind, whatever the view
constexpr int kMaxHalvings = 200;         // a bisection ends long before: doubles run out
constexpr double kHottest = 1000;         // [°C] the upper end of every temperature search

bool Physical(double x) { return std::isfinite(x) && x > 0; }

// x = xOf(t) over the samples, from its first physical vertex until it stops being
// physical or has just left the top of the view.
template <class XOf>
Polyline Trace(const std::vector<double>& temperatures, const ChartView& view, XOf xOf) {
  Polyline line;
  for (double t : temperatures) {
    const double x = xOf(t);
    if (!Physical(x)) {
      if (!line.empty()) break;
      continue;
    }
    line.push_back({t, x});
    if (x > view.xMax) break;
  }
  return line;
}

// The root of a function that falls with t, by halving [low, high]; nullopt without a sign change.
template <class F>
std::optional<double> FallingRoot(F f, double low, double high) {
  double fLow = f(low), fHigh = f(high);
  if (!(fLow >= 0 && fHigh <= 0)) return std::nullopt;
  for (int i = 0; i < kMaxHalvings; ++i) {
    const double mid = low + (high - low) / 2;
    if (mid <= low || mid >= high) break;
    if (f(mid) > 0) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return low + (high - low) / 2;
}

// Where a line of enthalpy h meets saturation: the program's own wet bulb of its dry end; in
// another formulation the temperature whose saturated air has the enthalpy h.
double SaturatedAtEnthalpy(double h, double dryEnd, const ChartGeometry& g) {
  const Formulation& f = *g.relations;
  if (f.id() == FormulationId::Design) {
    return WetBulb(kDryAirDewPoint, dryEnd, h, g.p, WetBulbTolerance(InputPair::DryBulbAbsHumidity));
  }
  const auto t = FallingRoot([&](double tdb) { return h - f.enthalpy(tdb, f.saturatedHumidity(tdb, g.p)); }, f.lowest(),
                             std::min(dryEnd, g.boiling));
  return t.value_or(std::numeric_limits<double>::quiet_NaN());
}

std::optional<EnthalpyLine> EnthalpyLineOf(double h, const ChartGeometry& g) {
  const Formulation& f = *g.relations;
  // The dry end (x = 0), then where the line meets saturation.
  const auto dryEnd = FallingRoot([&](double t) { return f.humidityFromEnthalpy(h, t); }, kDryAirDewPoint, kHottest);
  if (!dryEnd) return std::nullopt;
  EnthalpyLine line;
  line.h = h;
  line.wetBulb = SaturatedAtEnthalpy(h, *dryEnd, g);
  line.atSaturation = {line.wetBulb, f.saturatedHumidity(line.wetBulb, g.p)};
  if (!std::isfinite(line.wetBulb) || !Physical(line.atSaturation.x)) return std::nullopt;
  const double end = std::min({*dryEnd, g.view.tMax, g.boiling});
  for (int i = 0; i <= kLineSamples && line.wetBulb < end; ++i) {
    const double t = line.wetBulb + (end - line.wetBulb) * i / kLineSamples;
    const double x = f.humidityFromEnthalpy(h, t);
    if (std::isfinite(x) && x >= 0) line.points.push_back({t, x});
  }
  if (line.points.size() < 2) return std::nullopt;
  return line;
}

std::optional<ChartLine> DensityLineOf(double ro, const ChartGeometry& g) {
  ChartLine line;
  line.value = ro;
  // Along the line t falls as x rises, and so does saturation: the line meets it below the
  // saturated humidity of its dry end, which bounds the samples.
  const Formulation& f = *g.relations;
  const auto dryEnd = FallingRoot([&](double tdb) { return f.density(tdb, 0, g.p) - ro; }, kDryAirDewPoint, kHottest);
  if (!dryEnd) return std::nullopt;
  const double saturatedAtDryEnd = f.saturatedHumidity(*dryEnd, g.p);
  const double richest = Physical(saturatedAtDryEnd) ? std::min(g.view.xMax, saturatedAtDryEnd) : g.view.xMax;
  for (int i = 0; i <= kLineSamples; ++i) {
    const double x = richest * i / kLineSamples;
    const auto t = FallingRoot([&](double tdb) { return f.density(tdb, x, g.p) - ro; }, kDryAirDewPoint, kHottest);
    if (!t || *t > g.boiling) continue;
    // The line ends where it meets saturation: beyond lies fog, not humid air.
    if (i > 0 && x > f.saturatedHumidity(*t, g.p)) break;
    line.points.push_back({*t, x});
  }
  if (line.points.size() < 2) return std::nullopt;
  return line;
}

ChartLine IsothermOf(double t, const ChartGeometry& g) {
  ChartLine line;
  line.value = t;
  const double top = std::min(g.view.xMax, g.relations->saturatedHumidity(t, g.p));
  for (int i = 0; i <= kLineSamples && Physical(top); ++i) line.points.push_back({t, top * i / kLineSamples});
  return line;
}

}  // namespace

std::vector<double> SampleTemperatures(const ChartView& view, double boiling) {
  const double top = std::min(view.tMax, boiling);
  std::vector<double> temperatures;
  if (!(top > view.tMin)) return temperatures;
  for (int i = 0; i <= kTemperatureSamples; ++i) {
    temperatures.push_back(view.tMin + (top - view.tMin) * i / kTemperatureSamples);
  }
  if (view.tMin < 0 && top > 0) {
    temperatures.push_back(std::nextafter(0.0, -1.0));
    temperatures.push_back(0.0);
  }
  std::sort(temperatures.begin(), temperatures.end());
  temperatures.erase(std::unique(temperatures.begin(), temperatures.end()), temperatures.end());
  return temperatures;
}

double DensitySpacing(double lowest, double highest) {
  double fallback = 0;
  for (int index = -12; index <= 8; ++index) {  // 1e-4 to 500
    const double step = OneTwoFiveStep(index);
    const double lines = std::floor(highest / step) - std::ceil(lowest / step) + 1;
    if (lines <= 10) {
      if (lines >= 5) return step;
      if (fallback == 0) fallback = step;
    }
  }
  return fallback;
}

double EnthalpyStep(UnitSystem units) { return units == UnitSystem::IP ? 5 : 10; }

ChartGeometry BuildChartGeometry(double p, std::span<const ChartPoint> states, UnitSystem units,
                                 std::optional<ChartView> view, const Formulation& formulation) {
  ChartGeometry g;
  g.p = p;
  g.units = units;
  g.relations = &formulation;
  if (formulation.id() != FormulationId::Design) g.formulation = std::string(formulation.name());
  const Formulation& f = formulation;
  // A value of a kind shown in the chart's units, and back.
  const auto shown = [units](Quantity q, double si) { return ToUnits(q, units, si); };
  const auto si = [units](Quantity q, double value) { return FromUnits(q, units, value); };
  g.view = view ? DrawableView(p, *view) : ViewFor(p, states);
  g.boiling = SatTemperature(p);
  const std::vector<double> temperatures = SampleTemperatures(g.view, g.boiling);

  g.saturation = Trace(temperatures, g.view, [&](double t) { return f.saturatedHumidity(t, p); });
  for (int rh = 10; rh <= 90; rh += 10) {
    g.relativeHumidity.push_back(
        {static_cast<double>(rh), Trace(temperatures, g.view, [&](double t) { return f.humidityAt(t, rh, p); })});
  }

  const double top = std::min(g.view.tMax, g.boiling);
  const double topHumidity = std::min(g.view.xMax, f.saturatedHumidity(top, p));
  const double richest = Physical(topHumidity) ? topHumidity : g.view.xMax;
  const double hStep = EnthalpyStep(units);
  const double hLow = std::ceil(shown(Quantity::Enthalpy, f.enthalpy(g.view.tMin, 0)) / hStep);
  const double hHigh = std::floor(shown(Quantity::Enthalpy, f.enthalpy(top, richest)) / hStep);
  for (double k = hLow; k <= hHigh && k - hLow < kMaxLines; ++k) {
    if (auto line = EnthalpyLineOf(si(Quantity::Enthalpy, k * hStep), g)) g.enthalpy.push_back(std::move(*line));
  }

  const double roLow = shown(Quantity::Density, f.density(top, richest, p));
  const double roHigh = shown(Quantity::Density, f.density(g.view.tMin, 0, p));
  g.densityStep = DensitySpacing(roLow, roHigh);
  if (g.densityStep > 0) {
    for (double k = std::ceil(roLow / g.densityStep); k * g.densityStep <= roHigh && g.density.size() < kMaxLines;
         ++k) {
      if (auto line = DensityLineOf(si(Quantity::Density, k * g.densityStep), g)) g.density.push_back(std::move(*line));
    }
  }

  const double tLow = shown(Quantity::Temperature, g.view.tMin), tTop = shown(Quantity::Temperature, top);
  for (double k = std::ceil(tLow / kIsothermStep); k * kIsothermStep < tTop && g.isotherms.size() < kMaxLines; ++k) {
    ChartLine line = IsothermOf(si(Quantity::Temperature, k * kIsothermStep), g);
    if (!line.points.empty()) g.isotherms.push_back(std::move(line));
  }

  for (const ChartPoint& state : states) {
    if (std::isfinite(state.t) && std::isfinite(state.x)) g.states.push_back(state);
  }
  return g;
}

ChartGeometry BuildProjectChartGeometry(double p, std::vector<NamedPoint> named, const std::vector<ChartArrow>& arrows,
                                        UnitSystem units, std::span<const ChartPoint> live,
                                        std::optional<ChartView> view, const Formulation& formulation) {
  std::vector<ChartPoint> all(live.begin(), live.end());
  all.reserve(live.size() + named.size() + 2 * arrows.size());
  for (const NamedPoint& point : named) all.push_back(point.at);
  for (const ChartArrow& arrow : arrows) {
    all.push_back(arrow.from);
    all.push_back(arrow.to);
  }
  ChartGeometry g = BuildChartGeometry(p, all, units, view, formulation);
  const auto finite = [](ChartPoint at) { return std::isfinite(at.t) && std::isfinite(at.x); };
  g.states.clear();
  for (const ChartPoint& point : live) {
    if (finite(point)) g.states.push_back(point);
  }
  for (NamedPoint& point : named) {
    if (finite(point.at)) g.named.push_back(std::move(point));
  }
  for (const ChartArrow& arrow : arrows) {
    if (finite(arrow.from) && finite(arrow.to)) g.arrows.push_back(arrow);
  }
  return g;
}

void AddZones(ChartGeometry& geometry, std::span<const Zone> zones, std::span<const int> counts) {
  const double top = std::min(geometry.view.tMax, geometry.boiling);
  for (std::size_t i = 0; i < zones.size(); ++i) {
    geometry.zones.push_back(ZoneRegions(zones[i], geometry.p, geometry.view, top, *geometry.relations));
    if (i < counts.size()) geometry.zones.back().count = counts[i];
  }
}

}  // namespace vaporel
