#include "project/project_reader.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <toml.hpp>
#include <vector>

#include "calculation/pressure_range.hpp"
#include "project/key_suggestion.hpp"
#include "project/project_keys.hpp"
#include "project/project_units.hpp"
#include "project/source_text.hpp"
#include "properties/standard_atmosphere.hpp"

namespace vaporel {
namespace {

using Node = toml::value;

// Thrown inside the reader only, caught at its one entry.
struct Malformed {
  FilePosition at;
  std::string cause;
};

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

bool BareKeyCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// toml11's values know where they stand; this turns that into spans of the text and finds the
// keys in front of them.
class Places {
 public:
  explicit Places(const SourceText& source) : source_(source) {}

  TextSpan span(const Node& node) const {
    const toml::source_location where = node.location();
    const std::size_t begin = source_.offset(where.line(), where.column());
    return {begin, std::min(source_.text().size(), begin + where.region())};
  }

  // The start of the key written in front of a value (`key = value`), or the value's own start.
  std::size_t keyBefore(std::size_t value) const {
    const std::string_view text = source_.text();
    const std::size_t start = source_.lineStart(value);
    std::size_t i = value;
    const auto skipBlanks = [&] {
      while (i > start && (text[i - 1] == ' ' || text[i - 1] == '\t')) --i;
    };
    skipBlanks();
    if (i == start || text[i - 1] != '=') return value;
    --i;
    skipBlanks();
    if (i == start) return value;
    return tokenBefore(i, start);
  }

  // The start of the key token that ends at end (a bare key or a quoted one).
  std::size_t tokenBefore(std::size_t end, std::size_t start) const {
    const std::string_view text = source_.text();
    std::size_t i = end;
    const char last = text[i - 1];
    if (last == '"' || last == '\'') {
      --i;
      while (i > start && !(text[i - 1] == last && (last == '\'' || i < 2 || text[i - 2] != '\\'))) --i;
      return i > start ? i - 1 : start;
    }
    while (i > start && BareKeyCharacter(text[i - 1])) --i;
    return i;
  }

  KeyPlace key(std::string_view name, const Node& value) const {
    const TextSpan v = span(value);
    const std::size_t keyStart = keyBefore(v.begin);
    return {std::string(name),
            source_.position(keyStart),
            v,
            {source_.lineStart(keyStart), source_.lineEnd(v.end > v.begin ? v.end - 1 : v.begin)},
            value.is_integer()};
  }

  // Where an entry (a table under a header, an inline table, or dotted keys) stands, and each
  // of its keys.
  EntryPlace entry(const Node& node) const {
    const std::string_view text = source_.text();
    EntryPlace place;
    place.inFile = true;
    const TextSpan whole = span(node);
    const char first = whole.begin < text.size() ? text[whole.begin] : '\0';
    if (first == '{') {
      place.inlineTable = true;
      place.table = whole;
      const std::size_t keyStart = keyBefore(whole.begin);
      place.at = source_.position(keyStart);
      if (keyStart != whole.begin) {
        std::size_t keyEnd = keyStart;
        while (keyEnd < whole.begin && text[keyEnd] != ' ' && text[keyEnd] != '\t' && text[keyEnd] != '=') {
          keyEnd = text[keyEnd] == '"' || text[keyEnd] == '\'' ? text.find(text[keyEnd], keyEnd + 1) + 1 : keyEnd + 1;
        }
        place.name = {keyStart, std::min(keyEnd, whole.begin)};
      }
      place.lines = {source_.lineStart(keyStart), source_.lineEnd(whole.end > 0 ? whole.end - 1 : 0)};
    } else {
      place.at = source_.position(whole.begin);
      place.lines = {source_.lineStart(whole.begin), source_.lineEnd(whole.begin)};
      if (first == '[') {
        std::size_t close = whole.end;
        while (close > whole.begin && text[close - 1] == ']') --close;
        place.name = {tokenBefore(close, whole.begin), close};
      }
    }
    if (node.is_table()) {
      for (const auto& [name, value] : node.as_table()) {
        place.keys.push_back(key(name, value));
        if (!place.inlineTable) place.lines.end = std::max(place.lines.end, place.keys.back().lines.end);
      }
      std::sort(place.keys.begin(), place.keys.end(),
                [](const KeyPlace& a, const KeyPlace& b) { return a.value.begin < b.value.begin; });
      if (first != '[' && first != '{' && !place.keys.empty()) place.lines.begin = place.keys.front().lines.begin;
    }
    return place;
  }

  [[noreturn]] void fail(const Node& node, std::string cause) const {
    throw Malformed{source_.position(span(node).begin), std::move(cause)};
  }

 private:
  const SourceText& source_;
};

// The keys of an entry not in allowed, as an error at the first, with the known key meant.
void OnlyKeys(const EntryPlace& place, std::span<const std::string_view> allowed, std::string_view where) {
  for (const KeyPlace& key : place.keys) {
    if (std::find(allowed.begin(), allowed.end(), key.key) != allowed.end()) continue;
    std::string cause = "unknown key " + Quoted(key.key) + " in " + std::string(where);
    if (const auto meant = NearestKey(key.key, allowed)) cause += "; did you mean " + Quoted(*meant) + "?";
    throw Malformed{key.at, cause};
  }
}

class Reader {
 public:
  explicit Reader(const SourceText& source) : source_(source), places_(source) {}

  Project project(const Node& root) {
    Project project;
    project.root = places_.entry(root);
    only(project.root, kProjectKeys, "the project");
    project.units = units(root);
    project.altitude = optionalNumber(root, "altitude");
    if (project.altitude.has_value() == root.contains("pressure")) {
      places_.fail(root, project.units == UnitSystem::IP
                             ? "the project needs \"pressure\" [psia] or \"altitude\" [ft] (one of them)"
                             : "the project needs \"pressure\" [bar] or \"altitude\" [m] (one of them)");
    }
    if (!project.altitude) {
      project.pressure = number(root.at("pressure"), "pressure");
      checkPressure(project, root.at("pressure"));
    }
    if (root.contains("states")) {
      const Node& states = root.at("states");
      if (!states.is_table()) places_.fail(states, "\"states\" must be a table of named states");
      for (const auto& [name, node] : states.as_table()) project.states.push_back(state(name, node));
      std::sort(project.states.begin(), project.states.end(),
                [](const StateInput& a, const StateInput& b) { return a.place.lines.begin < b.place.lines.begin; });
      for (const StateInput& s : project.states) define(s.place.name.begin, s.place.lines.begin, s.name);
    }
    if (root.contains("processes")) {
      const Node& processes = root.at("processes");
      if (!processes.is_array()) places_.fail(processes, "\"processes\" must be an array of tables ([[processes]])");
      project.processesPlace = places_.entry(processes);
      project.processesPlace.inlineTable = source_.text()[places_.span(processes).begin] == '[' &&
                                           !processes.as_array().empty() &&
                                           source_.text()[places_.span(processes.as_array().front()).begin] == '{';
      if (project.processesPlace.inlineTable) project.processesPlace.table = places_.span(processes);
      for (const Node& node : processes.as_array()) project.processes.push_back(process(node));
    }
    if (root.contains("airflow")) project.airflow = airflow(root.at("airflow"));
    project.zones = zones(root);
    checkAltitude(project, root);
    return project;
  }

  std::vector<Zone> zonesOnly(const Node& root) {
    only(places_.entry(root), kProjectKeys, "the file");
    Project project;
    project.units = units(root);
    project.zones = zones(root);
    return InSi(project).zones;
  }

 private:
  static void only(const EntryPlace& place, std::span<const std::string_view> allowed, std::string_view where) {
    OnlyKeys(place, allowed, where);
  }

  double number(const Node& node, std::string_view key) const {
    double value = 0;
    if (node.is_floating()) {
      value = node.as_floating();
    } else if (node.is_integer()) {
      value = static_cast<double>(node.as_integer());
    } else {
      places_.fail(node, Quoted(key) + " must be a number");
    }
    if (!std::isfinite(value)) places_.fail(node, Quoted(key) + " must be a finite number");
    return value;
  }

  std::optional<double> optionalNumber(const Node& table, std::string_view key) const {
    if (!table.contains(std::string(key))) return std::nullopt;
    return number(table.at(std::string(key)), key);
  }

  std::string name(const Node& node, std::string_view key) const {
    if (!node.is_string() || node.as_string().str.empty()) {
      places_.fail(node, Quoted(key) + " must be a name (a non-empty string)");
    }
    return node.as_string().str;
  }

  const Node& required(const Node& table, std::string_view key, std::string_view where) const {
    if (!table.contains(std::string(key))) places_.fail(table, std::string(where) + " needs " + Quoted(key));
    return table.at(std::string(key));
  }

  void define(std::size_t offset, std::size_t fallback, const std::string& stateName) {
    if (std::find(names_.begin(), names_.end(), stateName) != names_.end()) {
      throw Malformed{source_.position(offset > 0 ? offset : fallback),
                      "the name " + Quoted(stateName) + " is already defined"};
    }
    names_.push_back(stateName);
  }
  void use(const Node& at, const std::string& stateName) const {
    if (std::find(names_.begin(), names_.end(), stateName) == names_.end()) {
      places_.fail(at, "unknown state " + Quoted(stateName) + " (not defined before this point)");
    }
  }

  // The pressure in range, said where it stands; a pressure in kPa or hPa is named as such.
  void checkPressure(const Project& project, const Node& node) const {
    const double bar = FromUnits(Quantity::Pressure, project.units, project.pressure);
    if (InPressureRange(bar)) return;
    if (project.units == UnitSystem::IP) places_.fail(node, "\"pressure\" must lie in 1.45 to 145 psia");
    std::string cause = "\"pressure\" must lie in 0.1 to 10 bar";
    if (bar > kHighestPressure && bar <= 1100) cause += "; the pressure is in bar (101.325 kPa = 1.01325 bar)";
    places_.fail(node, cause);
  }

  // A state's two values name its input pair.
  StateInput state(const std::string& stateName, const Node& node) const {
    const std::string where = "state " + Quoted(stateName);
    if (!node.is_table()) places_.fail(node, where + " must be a table of two values");
    StateInput s;
    s.name = stateName;
    s.place = places_.entry(node);
    only(s.place, kStateKeys, where);
    if (node.as_table().size() != 2) places_.fail(node, where + " needs two values of tdb, twb, tdp, x, h and RH");
    std::vector<Given> given;
    for (const std::string_view key : kStateKeys) {
      if (node.contains(std::string(key))) {
        given.push_back({*PropertyNamed(key), number(node.at(std::string(key)), key)});
      }
    }
    std::sort(given.begin(), given.end(), [](Given a, Given b) { return a.property < b.property; });
    if (WindowPair(given[1].property, given[0].property) != InputPair::None) std::swap(given[0], given[1]);
    const auto is = [&](Property a, Property b) { return given[0].property == a && given[1].property == b; };
    if (is(Property::Twb, Property::H) || is(Property::Tdp, Property::X)) {
      places_.fail(node, where + ": " + std::string(PropertyName(given[0].property)) + " and " +
                             std::string(PropertyName(given[1].property)) +
                             " fix no state (one follows from the other)");
    }
    s.first = given[0];
    s.second = given[1];
    return s;
  }

  void mix(const Node& table, ProcessInput& p) const {
    const Node& from = table.at("mix");
    if (!from.is_array() || from.as_array().size() < 2) places_.fail(from, "\"mix\" must list two or more states");
    for (const Node& n : from.as_array()) {
      p.from.push_back(name(n, "mix"));
      use(n, p.from.back());
    }
    const Node& fractions = required(table, "fractions", "a mix");
    if (!fractions.is_array() || fractions.as_array().size() != from.as_array().size()) {
      places_.fail(fractions, "\"fractions\" must give one number per state mixed");
    }
    double sum = 0;
    for (const Node& f : fractions.as_array()) {
      p.fractions.push_back(number(f, "fractions"));
      if (!(p.fractions.back() > 0)) places_.fail(f, "a fraction must be positive");
      sum += p.fractions.back();
    }
    if (!(std::abs(sum - 1) <= kFractionSumTolerance)) places_.fail(fractions, "the fractions must sum to 1");
  }

  void heat(const Node& table, ProcessInput& p) const {
    p.tdb = optionalNumber(table, "tdb");
    p.power = optionalNumber(table, "power");
    if (p.tdb.has_value() == p.power.has_value())
      places_.fail(table, "a heater needs \"tdb\" or \"power\" (one of them)");
  }

  void coil(const Node& table, ProcessInput& p) const {
    p.adp = optionalNumber(table, "adp");
    p.bypass = optionalNumber(table, "bypass");
    p.tdb = optionalNumber(table, "tdb");
    p.RH = optionalNumber(table, "RH");
    p.x = optionalNumber(table, "x");
    const bool byPoint = p.adp && p.bypass && !p.tdb && !p.RH && !p.x;
    const bool byLeaving = !p.adp && !p.bypass && p.tdb && (p.RH.has_value() != p.x.has_value());
    if (!byPoint && !byLeaving) {
      places_.fail(table, "a coil needs \"adp\" and \"bypass\", or the leaving \"tdb\" with \"RH\" or \"x\"");
    }
    if (p.bypass && !(*p.bypass >= 0 && *p.bypass < 1))
      places_.fail(table.at("bypass"), "\"bypass\" must lie in [0, 1)");
  }

  void humidify(const Node& table, ProcessInput& p) const {
    const Node& method = required(table, "method", "a humidifier");
    p.method = name(method, "method");
    if (p.method != "steam" && p.method != "adiabatic") {
      places_.fail(method, "\"method\" must be \"steam\" or \"adiabatic\"");
    }
    p.RH = optionalNumber(table, "RH");
    p.x = optionalNumber(table, "x");
    p.tdb = optionalNumber(table, "tdb");
    p.efficiency = optionalNumber(table, "efficiency");
    p.steamTemperature = optionalNumber(table, "steam_temperature");
    const int targets = p.RH.has_value() + p.x.has_value() + p.tdb.has_value() + p.efficiency.has_value();
    if (targets != 1) places_.fail(table, "a humidifier needs one target: \"RH\", \"x\", \"tdb\" or \"efficiency\"");
    if (p.method == "steam" && (p.tdb || p.efficiency)) places_.fail(table, "steam takes a target \"RH\" or \"x\"");
    if (p.method == "adiabatic" && p.steamTemperature) {
      places_.fail(table.at("steam_temperature"), "\"steam_temperature\" belongs to a steam humidifier");
    }
    if (p.efficiency && !(*p.efficiency > 0 && *p.efficiency <= 1)) {
      places_.fail(table.at("efficiency"), "\"efficiency\" must lie in (0, 1]");
    }
  }

  ProcessInput process(const Node& node) {
    if (!node.is_table()) places_.fail(node, "a process must be a table");
    ProcessInput p;
    p.place = places_.entry(node);
    int kinds = 0;
    for (const ProcessKind kind : {ProcessKind::Mix, ProcessKind::Heat, ProcessKind::Coil, ProcessKind::Humidify}) {
      if (node.contains(std::string(ProcessKey(kind)))) {
        p.kind = kind;
        ++kinds;
      }
    }
    if (kinds != 1) places_.fail(node, "a process needs one of \"mix\", \"heat\", \"coil\" or \"humidify\"");
    only(p.place, KeysOf(p.kind), "a " + std::string(ProcessKey(p.kind)) + " process");
    if (p.kind == ProcessKind::Mix) {
      mix(node, p);
    } else {
      const Node& from = node.at(std::string(ProcessKey(p.kind)));
      p.from.push_back(name(from, ProcessKey(p.kind)));
      use(from, p.from.back());
      if (p.kind == ProcessKind::Heat) heat(node, p);
      if (p.kind == ProcessKind::Coil) coil(node, p);
      if (p.kind == ProcessKind::Humidify) humidify(node, p);
    }
    const Node& into = required(node, "into", "a process");
    p.into = name(into, "into");
    define(places_.span(into).begin, 0, p.into);
    return p;
  }

  // A zone by its bounds, or by the name of a zone the program knows (an empty table, kept
  // without bounds so that the file is written back as it was).
  Zone zone(const std::string& zoneName, const Node& node) const {
    const std::string where = "zone " + Quoted(zoneName);
    if (!node.is_table()) places_.fail(node, where + " must be a table of bounds (tdb_min, RH_max, ...)");
    only(places_.entry(node), kZoneKeys, where);
    Zone z{zoneName, {}};
    if (node.as_table().empty()) {
      if (!BuiltInZone(zoneName)) {
        places_.fail(node, where + " needs a bound (tdb_min, RH_max, ...) or the name of a known zone");
      }
      return z;
    }
    for (std::size_t i = 0; i < kStateKeys.size(); ++i) {
      ZoneBound bound{*PropertyNamed(kStateKeys[i]), optionalNumber(node, kZoneKeys[2 * i]),
                      optionalNumber(node, kZoneKeys[2 * i + 1])};
      if (bound.min && bound.max && !(*bound.min <= *bound.max)) {
        places_.fail(node.at(std::string(kZoneKeys[2 * i])),
                     where + ": " + std::string(kZoneKeys[2 * i]) + " lies above " + std::string(kZoneKeys[2 * i + 1]));
      }
      if (bound.min || bound.max) z.bounds.push_back(bound);
    }
    return z;
  }

  std::vector<Zone> zones(const Node& root) const {
    std::vector<Zone> all;
    if (!root.contains("zones")) return all;
    const Node& table = root.at("zones");
    if (!table.is_table()) places_.fail(table, "\"zones\" must be a table of named zones ([zones.NAME])");
    std::vector<std::pair<std::size_t, Zone>> placed;
    for (const auto& [zoneName, node] : table.as_table()) {
      placed.emplace_back(places_.span(node).begin, zone(zoneName, node));
    }
    // The file's order (the parser keeps a table's keys unordered).
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [at, z] : placed) all.push_back(std::move(z));
    return all;
  }

  UnitSystem units(const Node& root) const {
    if (!root.contains("units")) return UnitSystem::SI;
    const Node& node = root.at("units");
    const auto u = node.is_string() ? UnitSystemNamed(node.as_string().str) : std::nullopt;
    if (!u) places_.fail(node, "\"units\" must be \"si\" or \"ip\"");
    return *u;
  }

  // The altitude, in the file's units, must give a pressure.
  void checkAltitude(const Project& project, const Node& root) const {
    if (!project.altitude) return;
    if (!(StandardAtmospherePressure(FromUnits(Quantity::Altitude, project.units, *project.altitude)) > 0)) {
      places_.fail(root.at("altitude"), project.units == UnitSystem::IP ? "\"altitude\" must lie below 145439 ft"
                                                                        : "\"altitude\" must lie below 44330 m");
    }
  }

  AirFlowInput airflow(const Node& node) const {
    if (!node.is_table()) places_.fail(node, "\"airflow\" must be a table");
    AirFlowInput flow;
    flow.place = places_.entry(node);
    only(flow.place, kAirFlowKeys, "the air flow");
    const Node& state = required(node, "state", "the air flow");
    flow.state = name(state, "state");
    use(state, flow.state);
    flow.volume = optionalNumber(node, "volume");
    flow.mass = optionalNumber(node, "mass");
    if (flow.volume.has_value() == flow.mass.has_value()) {
      places_.fail(node, "the air flow needs \"volume\" or \"mass\" (one of them)");
    }
    const char* given = flow.volume ? "volume" : "mass";
    if (!(flow.volume.value_or(1) > 0 && flow.mass.value_or(1) > 0)) {
      places_.fail(node.at(given), "the air flow must be positive");
    }
    return flow;
  }

  const SourceText& source_;
  Places places_;
  std::vector<std::string> names_;
};

// The parser's own message: its first line without the function's name, the hint under its
// last caret, and the place that caret points at.
Malformed FromParser(const toml::exception& e, const SourceText& source) {
  const std::string what = e.what();
  std::string cause = what.substr(0, what.find('\n'));
  if (cause.starts_with("[error] ")) cause.erase(0, 8);
  if (cause.starts_with("toml::")) cause.erase(0, cause.find(": ") == std::string::npos ? 0 : cause.find(": ") + 2);
  while (!cause.empty() && (cause.back() == '.' || cause.back() == ' ')) cause.pop_back();
  std::size_t line = e.location().line(), column = e.location().column();
  std::string hint;
  // " 12 | text" and then "    |     ^--- hint": the caret's column within the quoted line.
  std::istringstream lines(what);
  std::string text, previous;
  while (std::getline(lines, text)) {
    const auto bar = text.find(" | ");
    const auto caret = text.find('^');
    const auto quotedBar = previous.find(" | ");
    if (bar != std::string::npos && caret != std::string::npos && caret > bar && quotedBar != std::string::npos) {
      try {
        line = std::stoul(previous.substr(0, quotedBar));
        column = caret - (bar + 3) + 1;
        hint = text.substr(std::min(text.size(), caret + 5));
      } catch (const std::exception&) {
      }
    }
    previous = text;
  }
  while (!hint.empty() && (hint.back() == '.' || hint.back() == ' ')) hint.pop_back();
  if (cause.empty()) cause = "the file is not valid TOML";
  if (!hint.empty() && hint != "here") cause += " (" + hint + ")";
  std::size_t at = source.offset(line, column);
  if (cause.find("invalid key") != std::string::npos) {
    // A table header left open, or a bare name of characters TOML keeps for quoted ones.
    const std::size_t start = source.lineStart(at);
    std::string_view header = source.text().substr(start, source.lineEnd(at) - start);
    header = header.substr(0, header.find('#'));
    while (!header.empty() && (header.back() == '\n' || header.back() == '\r' || header.back() == ' ')) {
      header.remove_suffix(1);
    }
    if (header.starts_with('[') && !header.ends_with(']')) {
      return {source.position(start + header.size()), "a table header must end with ']'"};
    }
    if (std::any_of(header.begin(), header.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
      cause +=
          "; a name of other characters than A-Z, a-z, 0-9, _ and - is written in quotes "
          "([states.\"Zuluft-S\u00fcd\"])";
    }
  }
  return {source.position(at), cause};
}

std::string Located(std::string_view fileName, FilePosition at, std::string_view cause) {
  return std::string(fileName) + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " +
         std::string(cause);
}

// The file parsed and read by `read`, or what is wrong with it, with its line and column.
template <class Read>
auto Parsed(std::string_view text, std::string_view fileName, Read read)
    -> std::variant<decltype(read(std::declval<const Node&>(), std::declval<const SourceText&>())), ProjectError> {
  const SourceText source(text);
  if (const auto problem = UnreadableText(text)) {
    return ProjectError{Located(fileName, source.position(problem->offset), problem->cause)};
  }
  try {
    std::istringstream stream{std::string(text)};
    const Node root = toml::parse(stream, std::string(fileName));
    return read(root, source);
  } catch (const Malformed& m) {
    return ProjectError{Located(fileName, m.at, m.cause)};
  } catch (const toml::exception& e) {
    const Malformed m = FromParser(e, source);
    return ProjectError{Located(fileName, m.at, m.cause)};
  } catch (const std::exception& e) {
    return ProjectError{Located(fileName, {1, 1}, std::string("the file cannot be read (") + e.what() + ")")};
  }
}

}  // namespace

std::variant<Project, ProjectError> ReadProject(std::string_view text, std::string_view fileName) {
  return Parsed(text, fileName, [text](const Node& root, const SourceText& source) {
    Project project = Reader(source).project(root);
    project.sourceText = std::string(text);
    return project;
  });
}

std::variant<std::vector<Zone>, ProjectError> ReadZones(std::string_view text, std::string_view fileName) {
  return Parsed(text, fileName,
                [](const Node& root, const SourceText& source) { return Reader(source).zonesOnly(root); });
}

}  // namespace vaporel
