#pragma once
// A year of weather as a chart draws it, in plain numbers: the hours counted as points of dry
// bulb and absolute humidity, the sizing conditions as named points (those computed from the
// hours and, hollow, those of the file's header: cooling dry bulb with its mean coincident wet
// bulb, dew point and enthalpy, each with its mean coincident dry bulb, all of 0.4 %), and the
// heating dry bulb of 99.6 % computed from the hours.

#include <optional>
#include <string>
#include <vector>

#include "properties/formulation.hpp"
#include "weather/weather_summary.hpp"

namespace vaporel {

struct DrawnHour {
  double tdb = 0;  // [°C]
  double x = 0;    // [kg/kg]
};

struct DrawnCondition {
  std::string name;  // empty for the header's
  double tdb = 0, x = 0;
  bool fromFile = false;
};

struct WeatherDrawing {
  double p = 0;                                       // [bar] the median of the hours' pressures: the chart's
  FormulationId formulation = FormulationId::Design;  // the hours', and the chart's curves
  std::vector<DrawnHour> hours;
  std::vector<DrawnCondition> conditions;
  std::optional<double> heatingDb;  // [°C]
};

WeatherDrawing DrawingOf(const WeatherYear& year, const WeatherSummary& summary,
                         std::optional<HoursOfDay> hoursOfDay = std::nullopt,
                         const Formulation& formulation = DesignFormulation());
// The same from the points a counter kept and the header's sizing conditions, the points of the
// sizing conditions resolved in the formulation the hours were.
WeatherDrawing DrawingOf(const std::vector<HourPoint>& points, const WeatherSummary& summary,
                         const std::optional<DesignConditions>& fileDesign,
                         const Formulation& formulation = DesignFormulation());

}  // namespace vaporel
