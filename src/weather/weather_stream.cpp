#include "weather/weather_stream.hpp"

#include <algorithm>
#include <thread>
#include <vector>

#include "weather/epw_reader.hpp"

namespace vaporel {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";
constexpr int kMostThreads = 64;
constexpr std::size_t kLeastShare = 256;  // bytes a thread is worth starting for

// Calls `each(line)` for every line of the text, without its end.
template <class Each>
void ForEachLine(std::string_view text, Each each) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    each(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) each(text.substr(start));
}

// The block cut after a line end near each `parts`-th of its length.
std::vector<std::string_view> Shares(std::string_view block, int parts) {
  std::vector<std::string_view> shares;
  std::size_t start = 0;
  for (int k = 1; k < parts && start < block.size(); ++k) {
    const std::size_t near =
        std::max(start, block.size() * static_cast<std::size_t>(k) / static_cast<std::size_t>(parts));
    const std::size_t end = block.find('\n', near);
    if (end == std::string_view::npos) break;
    shares.push_back(block.substr(start, end + 1 - start));
    start = end + 1;
  }
  shares.push_back(block.substr(start));
  return shares;
}

}  // namespace

FirstLine FirstLineOf(std::string_view text) {
  const std::size_t skip = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  const std::size_t end = text.find_first_of("\r\n", skip);
  if (end == std::string_view::npos) return {text.substr(skip), text.size()};
  const std::size_t rest = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
  return {text.substr(skip, end - skip), rest};
}

int LineCount(std::string_view block) {
  int count = 0;
  ForEachLine(block, [&](std::string_view) { ++count; });
  return count;
}

std::variant<WeatherStream, std::string> WeatherStream::open(std::string_view firstLine, UnitSystem units,
                                                             std::optional<double> sitePressure,
                                                             const Formulation& formulation) {
  WeatherStream stream;
  stream.formulation_ = &formulation;
  stream.units_ = units;
  stream.sitePressure_ = sitePressure;
  if (firstLine.starts_with("LOCATION,")) {
    stream.epw_ = true;
    stream.location_ = EpwLocation(firstLine);
    return stream;
  }
  auto columns = CsvColumnsOf(firstLine, sitePressure.has_value());
  if (auto* problem = std::get_if<std::string>(&columns)) return *problem;
  stream.columns_ = std::get<CsvColumns>(columns);
  return stream;
}

int WeatherStream::readLines(std::string_view block, int line, WeatherYear& year) const {
  int number = line;
  ForEachLine(block, [&](std::string_view text) {
    if (epw_) {
      ReadEpwLine(text, number, location_.elevation, *formulation_, year);
    } else {
      ReadCsvLine(text, number, columns_, units_, sitePressure_, *formulation_, year);
    }
    ++number;
  });
  return number - line;
}

int WeatherStream::read(std::string_view block, int line, WeatherYear& year, int threads) const {
  const auto worth = static_cast<int>(std::min<std::size_t>(block.size() / kLeastShare + 1, kMostThreads));
  const std::vector<std::string_view> shares = Shares(block, std::clamp(threads, 1, worth));
  if (shares.size() == 1) return readLines(block, line, year);
  // Each share into a year of its own on a thread of its own, the first on this one; then
  // appended in the file's order, so that the hours are the same on any number of threads.
  std::vector<WeatherYear> parts(shares.size());
  std::vector<int> first(shares.size(), line);
  for (std::size_t k = 1; k < shares.size(); ++k) first[k] = first[k - 1] + LineCount(shares[k - 1]);
  {
    std::vector<std::jthread> workers;
    for (std::size_t k = 1; k < shares.size(); ++k) {
      workers.emplace_back([&, k] { readLines(shares[k], first[k], parts[k]); });
    }
    readLines(shares[0], first[0], parts[0]);
  }
  for (WeatherYear& part : parts) {
    if (part.fileDesign) year.fileDesign = part.fileDesign;
    year.hours.insert(year.hours.end(), std::make_move_iterator(part.hours.begin()),
                      std::make_move_iterator(part.hours.end()));
  }
  return first.back() + LineCount(shares.back()) - line;
}

std::string WeatherStream::noRows(int lastLine) const {
  return "line " + std::to_string(lastLine) + (epw_ ? ": the file has no hourly rows" : ": the file has no rows");
}

std::variant<WeatherYear, std::string> CountWeather(const std::function<bool(std::string&)>& more, UnitSystem units,
                                                    std::optional<double> sitePressure, HourCounter& counter,
                                                    int threads, const Formulation& formulation) {
  std::string text;
  bool open = more(text);
  // The first line whole, and its end: a CR at the end of what is read may begin a CRLF.
  const auto firstEnd = [&] {
    const std::size_t end = text.find_first_of("\r\n");
    return end != std::string::npos && (text[end] == '\n' || end + 1 < text.size());
  };
  while (open && !firstEnd()) open = more(text);
  const FirstLine first = FirstLineOf(text);
  auto opened = WeatherStream::open(first.line, units, sitePressure, formulation);
  if (const auto* problem = std::get_if<std::string>(&opened)) return *problem;
  const WeatherStream& stream = std::get<WeatherStream>(opened);
  WeatherYear year;  // the location and the header's conditions; the hours of one block at a time
  year.location = stream.location();
  text.erase(0, first.rest);
  int line = 2;
  bool any = false;
  for (;;) {
    open = open && more(text);
    // The block's whole lines; the rest waits for the next block, all of it at the end.
    const std::size_t end = open ? text.rfind('\n') : text.size();
    if (end != std::string::npos) {
      const std::size_t take = open ? end + 1 : text.size();
      line += stream.read(std::string_view(text).substr(0, take), line, year, threads);
      any = any || !year.hours.empty();
      for (const WeatherHour& hour : year.hours) counter.add(hour);
      year.hours.clear();
      text.erase(0, take);
    }
    if (!open) break;
  }
  if (!any) return stream.noRows(line - 1);
  return year;
}

std::variant<WeatherYear, std::string> ReadWeather(std::string_view text, UnitSystem units,
                                                   std::optional<double> sitePressure, const Formulation& formulation) {
  const FirstLine first = FirstLineOf(text);
  auto opened = WeatherStream::open(first.line, units, sitePressure, formulation);
  if (auto* problem = std::get_if<std::string>(&opened)) return *problem;
  const WeatherStream& stream = std::get<WeatherStream>(opened);
  WeatherYear year;
  year.location = stream.location();
  const int lines = 1 + stream.read(text.substr(first.rest), 2, year);
  if (year.hours.empty()) return stream.noRows(lines);
  return year;
}

}  // namespace vaporel
