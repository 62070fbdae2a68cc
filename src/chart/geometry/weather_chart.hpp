#pragma once
// A year of weather on the chart: its hours counted in cells and drawn as a density, its
// sizing conditions marked (filled: from the hours, hollow: from the file's header) and the
// heating dry bulb marked across the chart. The chart draws the plain drawing; it knows no
// weather file.

#include <span>
#include <vector>

#include "chart/geometry/chart_geometry.hpp"
#include "weather/weather_drawing.hpp"

namespace vaporel {

// The hours as the chart places them (for a view that holds them).
std::vector<ChartPoint> HourPoints(const WeatherDrawing& drawing);

// The year laid on a chart already built (at its own pressure, in its own units).
void AddWeather(ChartGeometry& geometry, const WeatherDrawing& drawing);

// The chart of the year alone at its pressure, over a view that holds every hour.
ChartGeometry BuildWeatherGeometry(const WeatherDrawing& drawing, UnitSystem units);

}  // namespace vaporel
