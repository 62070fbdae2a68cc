#pragma once
// A weather file read a block of lines at a time, so that a long record (thirty years of hours)
// is read in little memory and on several threads: the first line tells the format (EPW, its
// first line "LOCATION,"; else CSV and its columns), and any block of whole lines after it reads
// on its own. Lines end in LF, CRLF or CR; a UTF-8 byte-order mark is passed over.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "units/units.hpp"
#include "weather/csv_weather.hpp"
#include "weather/weather_summary.hpp"
#include "weather/weather_year.hpp"

namespace vaporel {

class WeatherStream {
 public:
  // From the file's first line; or why it is no weather file ("line 1: ..."). CSV values are
  // in `units`; `sitePressure` [bar] serves CSV rows without a pressure.
  static std::variant<WeatherStream, std::string> open(std::string_view firstLine, UnitSystem units,
                                                       std::optional<double> sitePressure,
                                                       const Formulation& formulation = DesignFormulation());

  const WeatherLocation& location() const { return location_; }

  // The hours of a block of whole lines, the first numbered `line`, appended to `year` in order
  // (an EPW's sizing-conditions line read into its `fileDesign`), read on `threads` threads
  // each taking a share of the lines; the number of lines in the block.
  int read(std::string_view block, int line, WeatherYear& year, int threads = 1) const;

  // Why a file without a single row is refused, at its last line.
  std::string noRows(int lastLine) const;

 private:
  WeatherStream() = default;
  int readLines(std::string_view block, int line, WeatherYear& year) const;

  bool epw_ = false;
  WeatherLocation location_;
  CsvColumns columns_;
  UnitSystem units_ = UnitSystem::SI;
  std::optional<double> sitePressure_;
  const Formulation* formulation_ = &DesignFormulation();
};

// The first line of a text (without its line end and a byte-order mark) and where the next
// begins (the text's size when there is none).
struct FirstLine {
  std::string_view line;
  std::size_t rest = 0;
};
FirstLine FirstLineOf(std::string_view text);

// The number of lines a block holds (a last line without its end counts).
int LineCount(std::string_view block);

// A file read through `more` (which appends the next bytes of the file to its argument and
// returns false at the end), a block at a time, each block's hours counted by `counter` before
// the next is read, the rows read on `threads` threads: the year's location and header (no
// hours), or why it is no weather file ("line 1: ...") or has no rows.
std::variant<WeatherYear, std::string> CountWeather(const std::function<bool(std::string&)>& more, UnitSystem units,
                                                    std::optional<double> sitePressure, HourCounter& counter,
                                                    int threads = 1,
                                                    const Formulation& formulation = DesignFormulation());

// A whole file: an EPW file (its first line "LOCATION,") or, else, a CSV file; the year, or
// why it is no weather file ("line 1: ...") or has no rows.
// Each hour is resolved in the formulation (its wet bulb, and so the sizing conditions' mean
// coincident wet bulbs, follow it).
std::variant<WeatherYear, std::string> ReadWeather(std::string_view text, UnitSystem units,
                                                   std::optional<double> sitePressure,
                                                   const Formulation& formulation = DesignFormulation());

}  // namespace vaporel
