// A real year of weather read whole, its header's sizing conditions as printed, the sizing
// conditions computed from its hours; and the untidy files real stations write.
#include "weather/epw_reader.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calculation/pairs.hpp"
#include "weather/weather_drawing.hpp"
#include "weather/weather_stream.hpp"
#include "weather/weather_summary.hpp"

namespace vaporel {
namespace {

std::string Chicago() {
  std::ostringstream text;
  text << std::ifstream(VAPOREL_CHICAGO, std::ios::binary).rdbuf();
  return text.str();
}

WeatherYear Read(const std::string& text) {
  auto read = ReadEpw(text);
  if (auto* problem = std::get_if<std::string>(&read)) ADD_FAILURE() << *problem;
  return std::get<WeatherYear>(std::move(read));
}

// Chicago O'Hare's typical year: every hour resolved (143 of them saturated), its header's
// sizing conditions as the file prints them, and the cooling 0.4 % dry bulb of the year's own
// hours (32.2 °C) beside the header's longer record (33.3 °C).
TEST(EpwReader, ChicagosYearWhole) {
  const WeatherYear year = Read(Chicago());
  EXPECT_EQ(year.location.name, "Chicago Ohare Intl Ap");
  EXPECT_EQ(year.location.elevation, 201.0);
  const WeatherSummary summary = Summarize(year, {});
  EXPECT_EQ(summary.hours, 8760);
  EXPECT_EQ(summary.refused, 0);
  ASSERT_TRUE(year.fileDesign);
  const DesignConditions& file = *year.fileDesign;
  EXPECT_EQ(file.heatingDb996, -20.0);
  EXPECT_EQ(file.heatingDb99, -16.6);
  EXPECT_EQ(file.coolingDb04, 33.3);
  EXPECT_EQ(file.coolingMcwb04, 23.7);
  EXPECT_EQ(file.coolingDb2, 30.1);
  EXPECT_EQ(file.dewPoint04, 23.8);
  EXPECT_EQ(file.dewPointMcdb04, 28.9);
  EXPECT_EQ(file.enthalpy04, 79.2);
  EXPECT_EQ(file.enthalpyMcdb04, 31.4);
  EXPECT_NEAR(*summary.computed.coolingDb04, 32.2, 1e-9);
  EXPECT_NEAR(*summary.computed.heatingDb996, -20.0, 1e-9);
}

// A station's file as real ones come: CRLF, a Latin-1 name in quotes with a comma, dates
// written 2015/12/31, no sizing conditions, a missing dew point (RH used), a missing pressure (the elevation's), and a
// row with neither dew point nor RH, refused with its line.
TEST(EpwReader, UntidyFilesAreRead) {
  const std::string text =
      "LOCATION,\"M\xfcnchen, Flughafen\",BY,DEU,IWEC,108660,48.35,11.78,1.0,446.0\r\n"
      "DATA PERIODS,1,1,Data,Thursday,2015/1/1,2015/12/31\r\n"
      "2015,1,1,1,0,?9?9,5.0,2.0,81,96000,0\r\n"
      "2015,1,1,2,0,?9?9,5.0,99.9,80,96000,0\r\n"
      "2015,1,1,3,0,?9?9,5.0,2.0,81,999999,0\r\n"
      "2015,1,1,4,0,?9?9,5.0,99.9,999,96000,0\r\n";
  const WeatherYear year = Read(text);
  EXPECT_EQ(year.location.name, "M\xfcnchen, Flughafen");
  EXPECT_FALSE(year.fileDesign);
  ASSERT_EQ(year.hours.size(), 4u);
  EXPECT_NEAR(year.hours[0].state->tdp, 2.0, 1e-9);
  EXPECT_NEAR(year.hours[1].state->RH, 80, 1e-9);
  EXPECT_NEAR(year.hours[2].state->p, 0.9608, 1e-4);  // 446 m in the standard atmosphere: 96.08 kPa
  EXPECT_FALSE(year.hours[3].state);
  EXPECT_EQ(year.hours[3].line, 6);
  EXPECT_EQ(year.hours[3].refusal, "the dew point and the relative humidity are missing");
  // Not a weather file at all.
  EXPECT_EQ(std::get<std::string>(ReadEpw("tdb,RH\n20,50\n")), "line 1: an EPW file begins with \"LOCATION,\"");
}

// A CSV year by its header: the columns found by name among others, the site's pressure where
// the rows give none, the hour a row ends; in IP, °F and psia.
TEST(CsvWeather, ColumnsByTheirNames) {
  const std::string rows = "time,tdb,RH,hour\n2024-07-01 14:00,32,40,15\n2024-07-01 15:00,,40,16\n";
  const WeatherYear year = std::get<WeatherYear>(ReadWeather(rows, UnitSystem::SI, 1.0));
  ASSERT_EQ(year.hours.size(), 2u);
  EXPECT_EQ(year.hours[0].hour, 15);
  EXPECT_EQ(year.hours[0].state->p, 1.0);
  EXPECT_NEAR(year.hours[0].state->RH, 40, 1e-9);
  EXPECT_EQ(year.hours[1].line, 3);
  EXPECT_FALSE(year.hours[1].state);
  EXPECT_EQ(std::get<std::string>(ReadWeather(rows, UnitSystem::SI, std::nullopt)),
            "line 1: the header names no column p: give the site's --altitude");
  const WeatherYear ip = std::get<WeatherYear>(ReadWeather("tdb,tdp,p\n95,59,14.696\n", UnitSystem::IP, {}));
  EXPECT_NEAR(ip.hours[0].state->tdb, 35, 1e-9);
  EXPECT_NEAR(ip.hours[0].state->tdp, 15, 1e-9);
}

// The year as the chart draws it: the hours of the day asked for, at the hours' middle pressure,
// and each sizing point where its two figures meet (read back from its dry bulb and humidity).
TEST(WeatherDrawing, SizingPointsLieWhereTheirFiguresMeet) {
  const WeatherYear year = Read(Chicago());
  const WeatherSummary summary = Summarize(year, {}, HoursOfDay{8, 18});
  const WeatherDrawing drawing = DrawingOf(year, summary, HoursOfDay{8, 18});
  EXPECT_EQ(drawing.hours.size(), static_cast<std::size_t>(summary.accepted));
  EXPECT_EQ(drawing.hours.size(), 3650u);
  EXPECT_NEAR(drawing.p, 0.99, 0.01);
  ASSERT_EQ(drawing.conditions.size(), 6u);  // three from the hours, three from the header
  const DesignConditions& c = summary.computed;
  const auto state = [&](std::size_t i) {
    return std::get<AirState>(ResolveDryBulbAbsHumidity(drawing.p, drawing.conditions[i].tdb, drawing.conditions[i].x));
  };
  EXPECT_NEAR(state(0).tdb, *c.coolingDb04, 1e-9);
  EXPECT_NEAR(state(0).twb, *c.coolingMcwb04, 1e-3);
  EXPECT_NEAR(state(1).tdp, *c.dewPoint04, 1e-3);
  EXPECT_NEAR(state(1).tdb, *c.dewPointMcdb04, 1e-9);
  EXPECT_NEAR(state(2).h, *c.enthalpy04, 1e-3);
  EXPECT_NEAR(state(3).tdb, *year.fileDesign->coolingDb04, 1e-9);
  EXPECT_TRUE(drawing.conditions[3].fromFile && drawing.conditions[3].name.empty());
  EXPECT_EQ(drawing.heatingDb, c.heatingDb996);
}

// A real year read a thousand bytes at a time, each block on three threads, gives what the whole
// file gives: the same hours counted, the same refusals at the same lines, the same conditions.
TEST(WeatherStream, AYearReadInBlocksIsTheYearReadWhole) {
  std::string text = Chicago();
  // Two rows refused (their dry bulb "x"), so that line numbers across blocks are held too.
  for (const int row : {100, 5000}) {
    std::size_t at = 0;
    for (int line = 1; line < row; ++line) at = text.find('\n', at) + 1;
    for (int field = 0; field < 6; ++field) at = text.find(',', at) + 1;
    text.replace(at, text.find(',', at) - at, "x");
  }
  const Zone zone = *BuiltInZone("datacenter-a1");
  const WeatherYear whole = Read(text);
  const WeatherSummary expected = Summarize(whole, std::span(&zone, 1));
  std::size_t at = 0;
  const auto more = [&](std::string& into) {
    const std::size_t take = std::min<std::size_t>(1000, text.size() - at);
    into.append(text, at, take);
    at += take;
    return take > 0;
  };
  HourCounter counter(std::span(&zone, 1));
  ASSERT_TRUE(std::holds_alternative<WeatherYear>(CountWeather(more, UnitSystem::SI, std::nullopt, counter, 3)));
  const WeatherSummary streamed = counter.summary();
  EXPECT_EQ(streamed.hours, 8760);
  ASSERT_EQ(streamed.refusals.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(streamed.refusals[i].line, expected.refusals[i].line);
  EXPECT_EQ(streamed.zones[0].inside, expected.zones[0].inside);
  EXPECT_EQ(streamed.computed.coolingMcwb04, expected.computed.coolingMcwb04);
  EXPECT_EQ(streamed.computed.enthalpyMcdb04, expected.computed.enthalpyMcdb04);
}

}  // namespace
}  // namespace vaporel
