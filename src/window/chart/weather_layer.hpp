#pragma once
// A year of weather laid under the chart window's worksheet: the file's name and place, its
// hours drawn (a density, the sizing points) and counted in the worksheet's zones, as a table
// of the hours inside each zone and what the others need.

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "numbers/numbers.hpp"
#include "project/project_figures.hpp"
#include "units/units.hpp"
#include "weather/weather_drawing.hpp"

namespace vaporel {

struct WeatherLayer {
  std::string file;                                   // the name shown
  FormulationId formulation = FormulationId::Design;  // its hours are resolved in
  WeatherYear year;
  WeatherSummary summary;  // counted in the zones given last
  WeatherDrawing drawing;
};

// The layer of a weather file's text (EPW, or CSV in `units`, at `sitePressure` [bar] where it
// gives none), its hours resolved in the formulation and counted in `zones` (SI); or why it is
// none ("chicago.csv: line 1: ...").
std::variant<WeatherLayer, std::string> MakeWeatherLayer(const std::string& file, std::string_view text,
                                                         UnitSystem units, double sitePressure,
                                                         std::span<const Zone> zones,
                                                         const Formulation& formulation = DesignFormulation());

// The year counted again, in other zones.
void CountInZones(WeatherLayer& layer, std::span<const Zone> zones);

// "chicago.epw: Chicago Ohare Intl Ap, IL, USA; 8760 hours, 8760 accepted, 0 refused".
std::string WeatherCaption(const WeatherLayer& layer);
// A row a zone: "zone", "inside", "cool", "heat", "humidify", "dehumidify" (hours).
TextTable WeatherZoneTable(const WeatherLayer& layer);

}  // namespace vaporel
