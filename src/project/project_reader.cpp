#include "project/project_reader.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <toml.hpp>
#include <vector>

#include "calculation/pressure_range.hpp"
#include "project/key_suggestion.hpp"
#include "project/project_check.hpp"
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

// toml11's values know where they stand; this turns that into spans of the text and finds the
// keys in front of them.
class Places {
 public:
  explicit Places(const SourceText& source) : source_(source) {}

  TextSpan span(const Node& node) const {
    // The value's region in the parser's copy of the text gives its offset at once, where
    // location() would count the lines before it: quadratic over a long file.
    if (const auto* region = dynamic_cast<const toml::detail::region*>(toml::detail::get_region(node))) {
      const auto begin = static_cast<std::size_t>(region->first() - region->begin());
      return {std::min(begin, source_.text().size()), std::min(source_.text().size(), begin + region->size())};
    }
    const toml::source_location where = node.location();
    const std::size_t begin = source_.offset(where.line(), where.column());
    return {begin, std::min(source_.text().size(), begin + where.region())};
  }

  // The key written in front of a value (`key = value`), quotes included; none for a value
  // without one (an array's item).
  std::optional<TextSpan> keyBefore(std::size_t value) const {
    const std::string_view text = source_.text();
    const std::size_t start = source_.lineStart(value);
    std::size_t i = value;
    const auto skipBlanks = [&] {
      while (i > start && (text[i - 1] == ' ' || text[i - 1] == '\t')) --i;
    };
    skipBlanks();
    if (i == start || text[i - 1] != '=') return std::nullopt;
    --i;
    skipBlanks();
    if (i == start) return std::nullopt;
    return TextSpan{tokenBefore(i, start), i};
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
    while (i > start && IsBareKeyCharacter(text[i - 1])) --i;
    return i;
  }

  KeyPlace key(std::string_view name, const Node& value) const {
    const TextSpan v = span(value);
    const std::size_t keyStart = keyBefore(v.begin).value_or(v).begin;
    std::vector<FilePosition> items;
    if (value.is_array()) {
      for (const Node& item : value.as_array()) items.push_back(source_.position(span(item).begin));
    }
    return {std::string(name),
            source_.position(keyStart),
            source_.position(v.begin),
            std::move(items),
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
      inlineEntry(place, whole);
    } else {
      place.at = source_.position(whole.begin);
      place.lines = {source_.lineStart(whole.begin), source_.lineEnd(whole.begin)};
      if (first == '[') {
        std::size_t close = whole.end;
        while (close > whole.begin && text[close - 1] == ']') --close;
        place.name = {tokenBefore(close, whole.begin), close};
      }
    }
    if (!node.is_table()) return place;
    for (const auto& [name, value] : node.as_table()) {
      place.keys.push_back(key(name, value));
      if (!place.inlineTable) place.lines.end = std::max(place.lines.end, place.keys.back().lines.end);
    }
    std::sort(place.keys.begin(), place.keys.end(),
              [](const KeyPlace& a, const KeyPlace& b) { return a.value.begin < b.value.begin; });
    // Dotted keys (`a.tdb = 20`) have no line of their own: the entry is its keys' lines.
    if (first != '[' && first != '{' && !place.keys.empty()) place.lines.begin = place.keys.front().lines.begin;
    return place;
  }

  // `name = { ... }`: named by its key, its lines those of the key to the closing brace.
  void inlineEntry(EntryPlace& place, TextSpan whole) const {
    place.inlineTable = true;
    place.table = whole;
    const auto name = keyBefore(whole.begin);
    const std::size_t start = name ? name->begin : whole.begin;
    place.at = source_.position(start);
    if (name) place.name = *name;
    place.lines = {source_.lineStart(start), source_.lineEnd(whole.end > 0 ? whole.end - 1 : 0)};
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
    project.formulation = formulation(root);
    project.altitude = optionalNumber(root, "altitude");
    if (project.altitude.has_value() == root.contains("pressure")) {
      places_.fail(root, project.units == UnitSystem::IP
                             ? "the project needs \"pressure\" [psia] or \"altitude\" [ft] (one of them)"
                             : "the project needs \"pressure\" [bar] or \"altitude\" [m] (one of them)");
    }
    if (!project.altitude) project.pressure = number(root.at("pressure"), "pressure");
    if (root.contains("states")) {
      const Node& states = root.at("states");
      if (!states.is_table()) places_.fail(states, "\"states\" must be a table of named states");
      for (const auto& [name, node] : states.as_table()) project.states.push_back(state(name, node));
      std::sort(project.states.begin(), project.states.end(),
                [](const StateInput& a, const StateInput& b) { return a.place.lines.begin < b.place.lines.begin; });
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
    if (auto error = CheckProject(project)) throw Malformed{error->at.value_or(FilePosition{1, 1}), error->cause};
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
    s.first = given[0];
    s.second = given[1];
    return s;
  }

  std::vector<double> numbers(const Node& node, std::string_view key) const {
    if (!node.is_array()) places_.fail(node, Quoted(key) + " must be a list of numbers");
    std::vector<double> out;
    for (const Node& item : node.as_array()) out.push_back(number(item, key));
    return out;
  }

  // A process's figures as the file gives them; their rules are the check's.
  void figures(const Node& table, ProcessInput& p) const {
    const Node& from = table.at(std::string(ProcessKey(p.kind())));
    if (auto* mix = std::get_if<MixFigures>(&p.figures)) {
      if (!from.is_array()) places_.fail(from, "\"mix\" must list two or more states");
      for (const Node& n : from.as_array()) mix->from.push_back(name(n, "mix"));
      if (table.contains("fractions")) mix->fractions = numbers(table.at("fractions"), "fractions");
      if (table.contains("flows")) mix->flows = numbers(table.at("flows"), "flows");
      if (table.contains("mass_flows")) mix->massFlows = numbers(table.at("mass_flows"), "mass_flows");
      return;
    }
    if (auto* recover = std::get_if<RecoverFigures>(&p.figures)) {
      recover->from =
          twoNames(from, "\"recover\" must list two states: the supply side's inlet and the exhaust side's");
      if (table.contains("flows")) recover->flows = numbers(table.at("flows"), "flows");
      if (table.contains("mass_flows")) recover->massFlows = numbers(table.at("mass_flows"), "mass_flows");
    }
    if (std::string* source = p.source()) *source = name(from, ProcessKey(p.kind()));
    if (auto* humidifier = std::get_if<HumidifyFigures>(&p.figures)) {
      humidifier->method = name(required(table, "method", "a humidifier"), "method");
    }
    for (const ProcessFigure& figure : FiguresOf(p.kind())) {
      const std::string key(figure.key);
      if (!table.contains(key)) continue;
      const Node& value = table.at(key);
      if (value.is_string() && MayReferToState(figure)) {
        p.references.push_back(reference(value, figure));
      } else {
        figure.of(p) = number(value, figure.key);
      }
    }
  }

  std::vector<std::string> twoNames(const Node& node, const std::string& cause) const {
    if (!node.is_array() || node.as_array().size() != 2) places_.fail(node, cause);
    return {name(node.as_array()[0], "recover"), name(node.as_array()[1], "recover")};
  }

  // "NAME.PROPERTY": a property of a state, of the figure's own quantity.
  FigureReference reference(const Node& node, const ProcessFigure& figure) const {
    const std::string& text = node.as_string().str;
    const std::size_t dot = text.rfind('.');
    const auto property =
        dot == std::string::npos ? std::nullopt : PropertyNamed(std::string_view(text).substr(dot + 1));
    if (!property || dot == 0) {
      places_.fail(node, Quoted(figure.key) +
                             " must be a number or a state's property (\"supply.x\"; tdb, twb, tdp, "
                             "x, h or RH)");
    }
    if (QuantityOf(*property) != figure.quantity) {
      places_.fail(node, Quoted(figure.key) + " cannot take " + Quoted(text) + ": " +
                             std::string(PropertyName(*property)) + " is another kind of value");
    }
    return {std::string(figure.key), text.substr(0, dot), *property};
  }

  ProcessInput process(const Node& node) const {
    if (!node.is_table()) places_.fail(node, "a process must be a table");
    std::optional<ProcessKind> kind;
    int kinds = 0;
    for (const ProcessKind k : kProcessKinds) {
      if (node.contains(std::string(ProcessKey(k)))) {
        kind = k;
        ++kinds;
      }
    }
    if (kinds != 1)
      places_.fail(node, "a process needs one of \"mix\", \"heat\", \"coil\", \"humidify\", \"space\" or \"recover\"");
    ProcessInput p = ProcessOfKind(*kind);
    p.place = places_.entry(node);
    only(p.place, KeysOf(*kind), "a " + std::string(ProcessKey(*kind)) + " process");
    figures(node, p);
    const Node& into = required(node, "into", "a process");
    if (auto* recover = std::get_if<RecoverFigures>(&p.figures)) {
      const auto made = twoNames(into, "\"into\" must name two states: the supply side's and the exhaust side's");
      p.into = made[0];
      recover->exhaustInto = made[1];
    } else {
      p.into = name(into, "into");
    }
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

  FormulationId formulation(const Node& root) const {
    if (!root.contains("formulation")) return FormulationId::Design;
    const Node& node = root.at("formulation");
    const Formulation* f = node.is_string() ? FormulationNamed(node.as_string().str) : nullptr;
    if (f == nullptr) places_.fail(node, "\"formulation\" must be \"design\" or \"ashrae\"");
    return f->id();
  }

  UnitSystem units(const Node& root) const {
    if (!root.contains("units")) return UnitSystem::SI;
    const Node& node = root.at("units");
    const auto u = node.is_string() ? UnitSystemNamed(node.as_string().str) : std::nullopt;
    if (!u) places_.fail(node, "\"units\" must be \"si\" or \"ip\"");
    return *u;
  }

  AirFlowInput airflow(const Node& node) const {
    if (!node.is_table()) places_.fail(node, "\"airflow\" must be a table");
    AirFlowInput flow;
    flow.place = places_.entry(node);
    only(flow.place, kAirFlowKeys, "the air flow");
    flow.state = name(required(node, "state", "the air flow"), "state");
    flow.volume = optionalNumber(node, "volume");
    flow.mass = optionalNumber(node, "mass");
    return flow;
  }

  const SourceText& source_;
  Places places_;
};

// Where the parser's message points: " 12 | text" and, under it, "    |     ^--- hint".
struct Caret {
  std::size_t line, column;
  std::string hint;
};
void CaretOf(const std::string& what, Caret& caret) {
  std::istringstream lines(what);
  std::string text, previous;
  while (std::getline(lines, text)) {
    const auto bar = text.find(" | ");
    const auto at = text.find('^');
    const auto quotedBar = previous.find(" | ");
    if (bar != std::string::npos && at != std::string::npos && at > bar && quotedBar != std::string::npos) {
      try {
        caret = {std::stoul(previous.substr(0, quotedBar)), at - (bar + 3) + 1,
                 text.substr(std::min(text.size(), at + 5))};
      } catch (const std::exception&) {
      }
    }
    previous = text;
  }
}

// An invalid key: a table header left open, or a bare name of characters TOML keeps for quoted ones.
Malformed InvalidKey(const SourceText& source, std::size_t at, std::string cause) {
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
        "; a name of other characters than A-Z, a-z, 0-9, _ and - is written in quotes ([states.\"Zuluft-S\u00fcd\"])";
  }
  return {source.position(at), cause};
}

// The parser's own message: its first line without the function's name, the hint under its
// last caret, and the place that caret points at.
Malformed FromParser(const toml::exception& e, const SourceText& source) {
  const std::string what = e.what();
  std::string cause = what.substr(0, what.find('\n'));
  if (cause.starts_with("[error] ")) cause.erase(0, 8);
  if (cause.starts_with("toml::")) cause.erase(0, cause.find(": ") == std::string::npos ? 0 : cause.find(": ") + 2);
  while (!cause.empty() && (cause.back() == '.' || cause.back() == ' ')) cause.pop_back();
  Caret caret{e.location().line(), e.location().column(), {}};
  CaretOf(e.what(), caret);
  std::size_t line = caret.line, column = caret.column;
  std::string hint = caret.hint;
  while (!hint.empty() && (hint.back() == '.' || hint.back() == ' ')) hint.pop_back();
  if (cause.empty()) cause = "the file is not valid TOML";
  if (!hint.empty() && hint != "here") cause += " (" + hint + ")";
  const std::size_t at = source.offset(line, column);
  if (cause.find("invalid key") != std::string::npos) return InvalidKey(source, at, cause);
  return {source.position(at), cause};
}

// The file parsed and read by `read`, or what is wrong with it, with its line and column.
template <class Read>
auto Parsed(std::string_view text, std::string_view fileName, Read read)
    -> std::variant<decltype(read(std::declval<const Node&>(), std::declval<const SourceText&>())), ProjectError> {
  const SourceText source(text);
  if (const auto problem = UnreadableText(text)) {
    return ProjectError{std::string(fileName), source.position(problem->offset), problem->cause};
  }
  try {
    std::istringstream stream{std::string(text)};
    const Node root = toml::parse(stream, std::string(fileName));
    return read(root, source);
  } catch (const Malformed& m) {
    return ProjectError{std::string(fileName), m.at, m.cause};
  } catch (const toml::exception& e) {
    const Malformed m = FromParser(e, source);
    return ProjectError{std::string(fileName), m.at, m.cause};
  } catch (const std::exception& e) {
    return ProjectError{std::string(fileName), FilePosition{1, 1},
                        std::string("the file cannot be read (") + e.what() + ")"};
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
