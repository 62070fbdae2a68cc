// The chart's curves hold to the property functions they are drawn from, at every
// pressure the program accepts, and never carry a non-finite vertex.
#include "chart/geometry/chart_geometry.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>

#include "calculation/resolve_state.hpp"
#include "calculation/zone.hpp"
#include "chart/geometry/mollier.hpp"
#include "properties/formulation.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel {
namespace {

constexpr double kStandard = 1.01325;

std::vector<const Polyline*> AllCurves(const ChartGeometry& g) {
  std::vector<const Polyline*> curves{&g.saturation, &g.states};
  for (const auto& line : g.relativeHumidity) curves.push_back(&line.points);
  for (const auto& line : g.enthalpy) curves.push_back(&line.points);
  for (const auto& line : g.density) curves.push_back(&line.points);
  for (const auto& line : g.isotherms) curves.push_back(&line.points);
  return curves;
}

TEST(ChartGeometry, SaturationAndHumidityCurvesAreTheHumidityFunction) {
  const ChartGeometry g = BuildChartGeometry(kStandard, {});
  ASSERT_GT(g.saturation.size(), 100u);
  for (const ChartPoint& v : g.saturation) EXPECT_EQ(v.x, AbsHumidity(v.t, 100, kStandard));
  ASSERT_EQ(g.relativeHumidity.size(), 9u);
  for (const ChartLine& line : g.relativeHumidity) {
    for (const ChartPoint& v : line.points) EXPECT_EQ(v.x, AbsHumidity(v.t, line.value, kStandard));
  }
  // The step at 0 °C, drawn as it is: the last vertex over ice, then the first over water.
  const auto zero = std::find_if(g.saturation.begin(), g.saturation.end(), [](ChartPoint v) { return v.t == 0; });
  ASSERT_NE(zero, g.saturation.begin());
  ASSERT_NE(zero, g.saturation.end());
  EXPECT_EQ((zero - 1)->t, std::nextafter(0.0, -1.0));
  EXPECT_NE((zero - 1)->x, zero->x);
}

TEST(ChartGeometry, EnthalpyAndDensityLinesHoldTheirValue) {
  const ChartGeometry g = BuildChartGeometry(kStandard, {});
  ASSERT_GE(g.enthalpy.size(), 10u);
  for (const EnthalpyLine& line : g.enthalpy) {
    EXPECT_EQ(std::fmod(line.h, EnthalpyStep(UnitSystem::SI)), 0.0);
    for (const ChartPoint& v : line.points) EXPECT_NEAR(Enthalpy(v.t, v.x), line.h, 1e-9);
    // It meets saturation at the wet-bulb temperature: saturated air there has enthalpy h.
    EXPECT_EQ(line.atSaturation.x, AbsHumidity(line.wetBulb, 100, kStandard));
    EXPECT_NEAR(Enthalpy(line.wetBulb, line.atSaturation.x), line.h, 1e-6);
  }
  EXPECT_EQ(g.densityStep, 0.05);
  EXPECT_GE(g.density.size(), 5u);
  EXPECT_LE(g.density.size(), 10u);
  for (const ChartLine& line : g.density) {
    for (const ChartPoint& v : line.points) EXPECT_NEAR(Density(v.x, kStandard, v.t), line.value, 1e-9);
  }
}

// From 0.1 to 10 bar: no non-finite vertex, nothing above boiling, humidity never
// negative, five to ten density lines.
TEST(ChartGeometry, EveryPressureGivesFiniteCurvesBelowBoiling) {
  for (double p : {0.1, 0.2, 0.5, 1.0, kStandard, 2.0, 5.0, 10.0}) {
    const ChartGeometry g = BuildChartGeometry(p, std::vector<ChartPoint>{{20, 0.005}});
    for (const Polyline* curve : AllCurves(g)) {
      for (const ChartPoint& v : *curve) {
        ASSERT_TRUE(std::isfinite(v.t) && std::isfinite(v.x)) << p;
        ASSERT_LE(v.t, g.boiling) << p;
        ASSERT_GE(v.x, 0) << p;
      }
    }
    EXPECT_GE(g.density.size(), 5u) << p;
    EXPECT_LE(g.density.size(), 10u) << p;
    EXPECT_EQ(g.view.tMax, std::min(50.0, SatTemperature(p))) << p;
  }
}

TEST(ChartGeometry, ViewGrowsToHoldThePointsAndStopsAtBoiling) {
  const ChartView grown = ViewFor(kStandard, std::vector<ChartPoint>{{-23, 0.001}, {61, 0.041}});
  EXPECT_EQ(grown.tMin, -30);
  EXPECT_EQ(grown.tMax, 70);
  EXPECT_NEAR(grown.xMax, 0.050, 1e-12);
  EXPECT_EQ(ViewFor(0.1, std::vector<ChartPoint>{{70, 0.01}}).tMax, SatTemperature(0.1));
  const ChartView plain = ViewFor(kStandard, std::vector<ChartPoint>{{NAN, 0.01}});
  EXPECT_EQ(plain.tMin, -10);
  EXPECT_EQ(plain.xMax, 0.030);
  EXPECT_NEAR(ViewFor(10, {}).xMax, 0.010, 1e-12);  // saturated at 50 °C: 0.0078
}

TEST(ChartGeometry, MollierTemperatureReadsTheOrdinateBack) {
  for (ChartPoint v : {ChartPoint{-10, 0.001}, ChartPoint{0, 0.004}, ChartPoint{45, 0.02}}) {
    const auto t = MollierTemperature(v.x, MollierOrdinate(v));
    ASSERT_TRUE(t);
    EXPECT_NEAR(*t, v.t, 1e-9);
  }
  // The 0 °C isotherm is horizontal: its ordinate does not depend on x.
  EXPECT_NEAR(MollierOrdinate({0, 0}), MollierOrdinate({0, 0.03}), 1e-12);
}

// In IP the lines fall on round IP values: enthalpy every 5 Btu/lb, isotherms every 10 °F.
TEST(ChartGeometry, IpLinesFallOnRoundIpValues) {
  const ChartGeometry g = BuildChartGeometry(kStandard, {}, UnitSystem::IP);
  ASSERT_GT(g.enthalpy.size(), 5u);
  for (const EnthalpyLine& line : g.enthalpy) {
    const double btu = ToUnits(Quantity::Enthalpy, UnitSystem::IP, line.h);
    EXPECT_NEAR(btu, 5 * std::round(btu / 5), 1e-9) << btu;
  }
  for (const ChartLine& line : g.isotherms) {
    const double f = ToUnits(Quantity::Temperature, UnitSystem::IP, line.value);
    EXPECT_NEAR(f, 10 * std::round(f / 10), 1e-9) << f;
  }
}

// A zone's outline keeps to its bounds (the states on it resolved from their dry bulb and
// humidity) and holds a state well inside.
TEST(ChartGeometry, AZoneOutlineKeepsToItsBounds) {
  ChartGeometry g = BuildChartGeometry(kStandard, {});
  const Zone zone = *BuiltInZone("datacenter-recommended");
  AddZones(g, std::span(&zone, 1));
  ASSERT_EQ(g.zones.size(), 1u);
  ASSERT_EQ(g.zones[0].regions.size(), 1u);
  const ZoneOutline& outline = g.zones[0].regions[0];
  double left = 1e9, right = -1e9;
  for (const ChartPoint& at : outline) {
    const AirState s = std::get<AirState>(ResolveState(InputPair::DryBulbAbsHumidity, kStandard, at.t, at.x));
    EXPECT_TRUE(s.tdb >= 18 - 1e-9 && s.tdb <= 27 + 1e-9) << s.tdb;
    EXPECT_LE(s.tdp, 15 + 1e-6);
    EXPECT_LE(s.RH, 60 + 1e-6);
    left = std::min(left, at.t);
    right = std::max(right, at.t);
  }
  EXPECT_EQ(left, 18);
  EXPECT_EQ(right, 27);
}

}  // namespace
}  // namespace vaporel

namespace vaporel {
namespace {

// Every finite point is counted once, in the cell that holds it; cells are 1 K × 0.5 g/kg, or
// 2 oF × 5 gr/lb in IP, on round values of the units shown.
TEST(HourDensity, EachPointInTheCellThatHoldsIt) {
  const std::vector<ChartPoint> points = {{20.2, 0.0071}, {20.9, 0.0074}, {21.0, 0.0071},
                                          {-3.5, 0.0021}, {NAN, 0.004},   {20, INFINITY}};
  for (const UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
    const HourDensity density = CountInCells(points, units, "hours");
    long total = 0;
    for (const DensityCell& cell : density.cells) {
      total += cell.count;
      const double width = ToUnits(Quantity::Temperature, units, cell.corners[1].t) -
                           ToUnits(Quantity::Temperature, units, cell.corners[0].t);
      EXPECT_NEAR(width, units == UnitSystem::SI ? 1 : 2, 1e-9);
      EXPECT_NEAR(cell.corners[3].x - cell.corners[0].x, units == UnitSystem::SI ? 0.0005 : 5 / 7000.0, 1e-12);
    }
    EXPECT_EQ(total, 4);
    for (const ChartPoint& point : std::span(points).first(4)) {
      const auto holds = [&](const DensityCell& c) {
        return c.corners[0].t <= point.t && point.t < c.corners[1].t && c.corners[0].x <= point.x &&
               point.x < c.corners[3].x;
      };
      EXPECT_EQ(std::count_if(density.cells.begin(), density.cells.end(), holds), 1) << point.t;
    }
  }
  // In SI the first two share the cell 20 to 21 °C, 7.0 to 7.5 g/kg; 21.0 °C begins the next.
  const HourDensity si = CountInCells(points, UnitSystem::SI, "hours");
  EXPECT_EQ(si.most, 2);
  EXPECT_EQ(si.cells.size(), 3u);
}

TEST(HourDensity, ClassesRiseOneTwoFiveAndTheLastIsOpen) {
  EXPECT_EQ(DensityClassStarts(1), std::vector<long>({1}));
  EXPECT_EQ(DensityClassStarts(150), std::vector<long>({1, 2, 5, 10, 20, 50, 100}));
  EXPECT_EQ(DensityClassStarts(1000000).size(), static_cast<std::size_t>(kDensityClasses));
  const std::vector<long> starts = DensityClassStarts(150);
  EXPECT_EQ(DensityClassOf(1, starts), 0u);
  EXPECT_EQ(DensityClassOf(4, starts), 1u);
  EXPECT_EQ(DensityClassOf(5, starts), 2u);
  EXPECT_EQ(DensityClassOf(150, starts), 6u);
}

}  // namespace
}  // namespace vaporel

namespace vaporel {
namespace {

// In the Handbook's formulation the chart's curves are its own and its title names it; the
// program's own formulation names none.
TEST(ChartGeometry, CurvesFollowTheFormulation) {
  const Formulation& ashrae = AshraeFormulation();
  const ChartGeometry g = BuildChartGeometry(kStandard, {}, UnitSystem::SI, std::nullopt, ashrae);
  EXPECT_EQ(g.formulation, "ashrae");
  EXPECT_TRUE(BuildChartGeometry(kStandard, {}).formulation.empty());
  for (const ChartPoint& v : g.saturation) EXPECT_DOUBLE_EQ(v.x, ashrae.saturatedHumidity(v.t, kStandard)) << v.t;
  for (const ChartPoint& v : g.relativeHumidity[4].points) {
    EXPECT_NEAR(ashrae.relativeHumidity(v.x, kStandard, ashrae.saturationPressure(v.t)), 50, 1e-9) << v.t;
  }
  for (const EnthalpyLine& line : g.enthalpy) {
    for (const ChartPoint& v : line.points) EXPECT_NEAR(ashrae.enthalpy(v.t, v.x), line.h, 1e-9);
    const ChartPoint s = line.atSaturation;
    EXPECT_NEAR(ashrae.enthalpy(s.t, s.x), line.h, 1e-6);
  }
}

}  // namespace
}  // namespace vaporel
