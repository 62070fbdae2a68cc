#include "window/chart/weather_layer.hpp"

#include "weather/weather_stream.hpp"

namespace vaporel {

std::variant<WeatherLayer, std::string> MakeWeatherLayer(const std::string& file, std::string_view text,
                                                         UnitSystem units, double sitePressure,
                                                         std::span<const Zone> zones, const Formulation& formulation) {
  auto read = ReadWeather(text, units, sitePressure, formulation);
  if (auto* problem = std::get_if<std::string>(&read)) return file + ": " + *problem;
  WeatherLayer layer{file, formulation.id(), std::get<WeatherYear>(std::move(read)), {}, {}};
  CountInZones(layer, zones);
  layer.drawing = DrawingOf(layer.year, layer.summary, std::nullopt, formulation);
  return layer;
}

void CountInZones(WeatherLayer& layer, std::span<const Zone> zones) { layer.summary = Summarize(layer.year, zones); }

std::string WeatherCaption(const WeatherLayer& layer) {
  const std::string where = LocationText(layer.year.location);
  const WeatherSummary& s = layer.summary;
  return layer.file + (where.empty() ? "" : ": " + where) + "; " + std::to_string(s.hours) + " hours, " +
         std::to_string(s.accepted) + " accepted, " + std::to_string(s.refused) + " refused";
}

TextTable WeatherZoneTable(const WeatherLayer& layer) {
  TextTable table{{"zone", "inside", "cool", "heat", "humidify", "dehumidify"}, {}};
  for (const ZoneHours& z : layer.summary.zones) {
    table.rows.push_back({z.zone, std::to_string(z.inside), std::to_string(z.cool), std::to_string(z.heat),
                          std::to_string(z.humidify), std::to_string(z.dehumidify)});
  }
  return table;
}

}  // namespace vaporel
