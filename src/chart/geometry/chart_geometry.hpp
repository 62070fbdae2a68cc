#pragma once
// The curves of a psychrometric chart at one pressure, as polylines in the quantities'
// own units (dry-bulb °C, absolute humidity kg/kg). Every vertex comes from the program's
// own property functions, so the picture and the calculated numbers always agree. No
// vertex is ever non-finite; a curve ends where the functions stop being physical
// (x <= 0, above the boiling temperature) or leaves the view.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/geometry/chart_view.hpp"
#include "chart/geometry/hour_density.hpp"
#include "chart/geometry/zone_regions.hpp"
#include "properties/formulation.hpp"
#include "units/units.hpp"

namespace vaporel {

using Polyline = std::vector<ChartPoint>;

// A curve on which one quantity holds one value (RH [%], ro [kg/m³], tdb [°C]).
struct ChartLine {
  double value = 0;
  Polyline points;
};

// A line of constant enthalpy [kJ/kg], from saturation down to dry air. The program's
// wet-bulb temperature is the temperature at which saturated air has the state's
// enthalpy, so the line is also one of constant wet-bulb temperature: `wetBulb`, where it
// meets saturation (`atSaturation`).
struct EnthalpyLine {
  double h = 0;
  Polyline points;
  double wetBulb = 0;
  ChartPoint atSaturation;
};

// A project on the chart: its states by name, its processes as arrows from each entering to
// the leaving state, and a coil's dashed line on to its apparatus dew point.
struct NamedPoint {
  ChartPoint at;
  std::string name;
};
struct ChartArrow {
  ChartPoint from;
  ChartPoint to;
  bool toApparatusDewPoint = false;  // dashed, without a head
};

// A point marked with its name (a sizing condition of a climate), filled or hollow as its
// source is; a dry bulb marked across the chart with its name.
struct ChartMark {
  ChartPoint at;
  std::string name;
  bool hollow = false;
};
struct TemperatureMark {
  double t = 0;  // [°C]
  std::string name;
};
// What the legend says of the marks of each kind (none: the kind is not in the legend).
struct MarkCaptions {
  std::string filled, hollow, temperature;
};

struct ChartGeometry {
  double p = 0;                       // [bar]
  UnitSystem units = UnitSystem::SI;  // of the labels, and of the round values the lines are drawn at
  ChartView view;
  double boiling = 0;                       // SatTemperature(p) [°C]
  Polyline saturation;                      // RH 100 %: over ice below 0 °C, over water from 0 °C, the step as it is
  std::vector<ChartLine> relativeHumidity;  // 10 % to 90 %
  std::vector<EnthalpyLine> enthalpy;       // every 10 kJ/kg (5 Btu/lb)
  double densityStep = 0;                   // in the units shown: five to ten lines across the view
  std::vector<ChartLine> density;
  std::vector<ChartLine> isotherms;  // every 10 °C (10 °F)
  Polyline states;                   // the state points in order (a process line when more than one)
  bool statesJoined = true;          // drawn as a line; otherwise as points only
  HourDensity stateCells;            // many states counted in cells, drawn under the curves
  std::vector<ChartMark> marks;
  std::vector<TemperatureMark> temperatureMarks;
  MarkCaptions markCaptions;
  std::vector<NamedPoint> named;   // a project's states
  std::vector<ChartArrow> arrows;  // a project's processes
  std::vector<ChartZone> zones;    // tinted regions
  std::string formulation;         // named in the title where it is not the program's own ("ashrae")
  const Formulation* relations = &DesignFormulation();  // the formulation every curve is drawn from
  bool legendInside = false;  // the legend kept inside the plot, even over a curve (a view moved by hand)
};

// Enthalpy lines are this far apart [kJ/kg, or Btu/lb]; isotherms every this many degrees.
double EnthalpyStep(UnitSystem units);
inline constexpr double kIsothermStep = 10;

// The chart's lines, every value of each kind a round one in `units`; every vertex SI.
// Over `view` when one is given (made drawable), else over the view that holds the states.
// In a formulation other than the program's own the curves follow it and the title names it.
ChartGeometry BuildChartGeometry(double p, std::span<const ChartPoint> states, UnitSystem units = UnitSystem::SI,
                                 std::optional<ChartView> view = std::nullopt,
                                 const Formulation& formulation = DesignFormulation());
// The chart of a project: the view takes in every state and every arrow's ends, and the live
// points, drawn as the chart's states.
ChartGeometry BuildProjectChartGeometry(double p, std::vector<NamedPoint> named, const std::vector<ChartArrow>& arrows,
                                        UnitSystem units = UnitSystem::SI, std::span<const ChartPoint> live = {},
                                        std::optional<ChartView> view = std::nullopt,
                                        const Formulation& formulation = DesignFormulation());
// The zones' regions within the geometry's view; with `counts`, the states inside each (for
// the legend), in the zones' order.
void AddZones(ChartGeometry& geometry, std::span<const Zone> zones, std::span<const int> counts = {});

// The dry-bulb temperatures a curve is sampled at across the view: an even grid, plus the
// last temperature below 0 °C and 0 °C itself, so that the step between the fits over ice
// and over water is drawn where it is.
std::vector<double> SampleTemperatures(const ChartView& view, double boiling);

// The round spacing (1, 2 or 5 times a power of ten) that puts five to ten density lines
// between `lowest` and `highest` [kg/m³].
double DensitySpacing(double lowest, double highest);

}  // namespace vaporel
