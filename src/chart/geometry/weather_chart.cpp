#include "chart/geometry/weather_chart.hpp"

namespace vaporel {

std::vector<ChartPoint> HourPoints(const WeatherDrawing& drawing) {
  std::vector<ChartPoint> points;
  points.reserve(drawing.hours.size());
  for (const DrawnHour& hour : drawing.hours) points.push_back({hour.tdb, hour.x});
  return points;
}

void AddWeather(ChartGeometry& geometry, const WeatherDrawing& drawing) {
  geometry.stateCells = CountInCells(HourPoints(drawing), geometry.units, "hours");
  for (const DrawnCondition& c : drawing.conditions) geometry.marks.push_back({{c.tdb, c.x}, c.name, c.fromFile});
  if (drawing.heatingDb) geometry.temperatureMarks.push_back({*drawing.heatingDb, "heating 99.6 %"});
  geometry.markCaptions = {
      "Sizing conditions from the hours: cooling dry bulb with its mean coincident wet bulb, dew point, enthalpy",
      "The same from the file's header", "Heating dry bulb of 99.6 % from the hours"};
}

ChartGeometry BuildWeatherGeometry(const WeatherDrawing& drawing, UnitSystem units) {
  ChartGeometry geometry =
      BuildChartGeometry(drawing.p, HourPoints(drawing), units, std::nullopt, FormulationOf(drawing.formulation));
  geometry.states.clear();
  AddWeather(geometry, drawing);
  return geometry;
}

}  // namespace vaporel
