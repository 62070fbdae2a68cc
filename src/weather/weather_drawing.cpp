#include "weather/weather_drawing.hpp"

#include <algorithm>

#include "calculation/formulation_state.hpp"
#include "properties/constants.hpp"

namespace vaporel {
namespace {

// The state of a sizing condition: a dry bulb with a wet bulb, dew point or enthalpy.
std::optional<DrawnHour> At(const Formulation& f, double p, std::optional<double> tdb, Property property,
                            std::optional<double> value) {
  if (!tdb || !value) return std::nullopt;
  const Resolution resolved = ResolveIn(f, p, {Property::Tdb, *tdb}, {property, *value});
  const auto* state = std::get_if<AirState>(&resolved);
  if (state == nullptr) return std::nullopt;
  return DrawnHour{state->tdb, state->x};
}

void AddConditions(WeatherDrawing& drawing, const DesignConditions& d, bool fromFile, const Formulation& f) {
  const auto add = [&](const char* name, std::optional<DrawnHour> at) {
    if (at) drawing.conditions.push_back({fromFile ? std::string() : std::string(name), at->tdb, at->x, fromFile});
  };
  add("cooling 0.4 %", At(f, drawing.p, d.coolingDb04, Property::Twb, d.coolingMcwb04));
  add("dew point 0.4 %", At(f, drawing.p, d.dewPointMcdb04, Property::Tdp, d.dewPoint04));
  add("enthalpy 0.4 %", At(f, drawing.p, d.enthalpyMcdb04, Property::H, d.enthalpy04));
}

}  // namespace

WeatherDrawing DrawingOf(const std::vector<HourPoint>& points, const WeatherSummary& summary,
                         const std::optional<DesignConditions>& fileDesign, const Formulation& formulation) {
  WeatherDrawing drawing;
  drawing.formulation = formulation.id();
  std::vector<double> pressures;
  pressures.reserve(points.size());
  drawing.hours.reserve(points.size());
  for (const HourPoint& point : points) {
    drawing.hours.push_back({point.tdb, point.x});
    pressures.push_back(point.p);
  }
  drawing.p = kStandardPressure;
  if (!pressures.empty()) {
    const auto middle = pressures.begin() + static_cast<std::ptrdiff_t>(pressures.size() / 2);
    std::nth_element(pressures.begin(), middle, pressures.end());
    drawing.p = *middle;
  }
  AddConditions(drawing, summary.computed, false, formulation);
  if (fileDesign) AddConditions(drawing, *fileDesign, true, formulation);
  drawing.heatingDb = summary.computed.heatingDb996;
  return drawing;
}

WeatherDrawing DrawingOf(const WeatherYear& year, const WeatherSummary& summary, std::optional<HoursOfDay> hoursOfDay,
                         const Formulation& formulation) {
  std::vector<HourPoint> points;
  for (const WeatherHour& hour : year.hours) {
    if (hour.state && Counted(hour, hoursOfDay)) points.push_back({hour.state->tdb, hour.state->x, hour.state->p});
  }
  return DrawingOf(points, summary, year.fileDesign, formulation);
}

}  // namespace vaporel
