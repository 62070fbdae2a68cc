#include "project/project_reader.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <span>
#include <toml++/toml.h>
#include <tuple>
#include <vector>

#include "project/project_keys.hpp"
#include "project/project_units.hpp"
#include "project/unsafe_non_ascii.hpp"
#include "properties/standard_atmosphere.hpp"

namespace vaporel {
namespace {

// Thrown inside the reader only, caught at its one entry.
struct Malformed {
  FilePosition at;
  std::string cause;
};

FilePosition PositionOf(const toml::source_region& region) {
  return {static_cast<int>(region.begin.line), static_cast<int>(region.begin.column)};
}

[[noreturn]] void Fail(const toml::node& node, std::string cause) {
  throw Malformed{PositionOf(node.source()), std::move(cause)};
}

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// The keys of table that are not in allowed, as an error at the first.
void OnlyKeys(const toml::table& table, std::span<const std::string_view> allowed, std::string_view where) {
  for (auto&& [key, node] : table) {
    if (std::find(allowed.begin(), allowed.end(), key.str()) == allowed.end()) {
      throw Malformed{PositionOf(key.source()), "unknown key " + Quoted(key.str()) + " in " + std::string(where)};
    }
  }
}

double Number(const toml::node& node, std::string_view key) {
  if (const auto value = node.value<double>(); value && (node.is_floating_point() || node.is_integer())) {
    if (!std::isfinite(*value)) Fail(node, Quoted(key) + " must be a finite number");
    return *value;
  }
  Fail(node, Quoted(key) + " must be a number");
}

std::optional<double> OptionalNumber(const toml::table& table, std::string_view key) {
  const toml::node* node = table.get(key);
  if (!node) return std::nullopt;
  return Number(*node, key);
}

std::string Name(const toml::node& node, std::string_view key) {
  const auto text = node.value<std::string>();
  if (!node.is_string() || !text || text->empty()) Fail(node, Quoted(key) + " must be a name (a non-empty string)");
  return *text;
}

const toml::node& Required(const toml::table& table, std::string_view key, std::string_view where) {
  const toml::node* node = table.get(key);
  if (!node) Fail(table, std::string(where) + " needs " + Quoted(key));
  return *node;
}

// A state's two values name its input pair.
StateInput ReadState(std::string_view name, const toml::node& node) {
  const toml::table* table = node.as_table();
  const std::string where = "state " + Quoted(name);
  if (!table) Fail(node, where + " must be a table of two values");
  OnlyKeys(*table, kStateKeys, where);
  if (table->size() != 2) Fail(node, where + " needs two values of tdb, twb, tdp, x, h and RH");
  StateInput state;
  state.name = std::string(name);
  state.at = PositionOf(node.source());
  std::vector<Given> given;
  for (const std::string_view key : kStateKeys) {
    if (const toml::node* value = table->get(key)) given.push_back({*PropertyNamed(key), Number(*value, key)});
  }
  std::sort(given.begin(), given.end(), [](Given a, Given b) { return a.property < b.property; });
  if (WindowPair(given[1].property, given[0].property) != InputPair::None) std::swap(given[0], given[1]);
  const auto is = [&](Property a, Property b) { return given[0].property == a && given[1].property == b; };
  if (is(Property::Twb, Property::H) || is(Property::Tdp, Property::X)) {
    Fail(node, where + ": " + std::string(PropertyName(given[0].property)) + " and " +
                   std::string(PropertyName(given[1].property)) + " fix no state (one follows from the other)");
  }
  state.first = given[0];
  state.second = given[1];
  return state;
}

// The state names defined so far, in order: given states first, then each process's result.
class Names {
 public:
  void define(const toml::node& at, const std::string& name) {
    if (!names_.insert(name).second) Fail(at, "the name " + Quoted(name) + " is already defined");
  }
  void use(const toml::node& at, const std::string& name) const {
    if (!names_.contains(name)) Fail(at, "unknown state " + Quoted(name) + " (not defined before this point)");
  }

 private:
  std::set<std::string> names_;
};

void ReadMix(const toml::table& table, ProcessInput& process, const Names& names) {
  const toml::node& mix = *table.get("mix");
  const toml::array* from = mix.as_array();
  if (!from || from->size() < 2) Fail(mix, "\"mix\" must list two or more states");
  for (const toml::node& name : *from) {
    process.from.push_back(Name(name, "mix"));
    names.use(name, process.from.back());
  }
  const toml::node& fractionsNode = Required(table, "fractions", "a mix");
  const toml::array* fractions = fractionsNode.as_array();
  if (!fractions || fractions->size() != from->size())
    Fail(fractionsNode, "\"fractions\" must give one number per state mixed");
  double sum = 0;
  for (const toml::node& f : *fractions) {
    process.fractions.push_back(Number(f, "fractions"));
    if (!(process.fractions.back() > 0)) Fail(f, "a fraction must be positive");
    sum += process.fractions.back();
  }
  if (!(std::abs(sum - 1) <= kFractionSumTolerance)) Fail(fractionsNode, "the fractions must sum to 1");
}

void ReadHeat(const toml::table& table, ProcessInput& process) {
  process.tdb = OptionalNumber(table, "tdb");
  process.power = OptionalNumber(table, "power");
  if (process.tdb.has_value() == process.power.has_value())
    Fail(table, "a heater needs \"tdb\" or \"power\" (one of them)");
}

void ReadCoil(const toml::table& table, ProcessInput& process) {
  process.adp = OptionalNumber(table, "adp");
  process.bypass = OptionalNumber(table, "bypass");
  process.tdb = OptionalNumber(table, "tdb");
  process.RH = OptionalNumber(table, "RH");
  process.x = OptionalNumber(table, "x");
  const bool byPoint = process.adp && process.bypass && !process.tdb && !process.RH && !process.x;
  const bool byLeaving =
      !process.adp && !process.bypass && process.tdb && (process.RH.has_value() != process.x.has_value());
  if (!byPoint && !byLeaving)
    Fail(table, "a coil needs \"adp\" and \"bypass\", or the leaving \"tdb\" with \"RH\" or \"x\"");
  if (process.bypass && !(*process.bypass >= 0 && *process.bypass < 1)) {
    Fail(*table.get("bypass"), "\"bypass\" must lie in [0, 1)");
  }
}

void ReadHumidify(const toml::table& table, ProcessInput& process) {
  const toml::node& method = Required(table, "method", "a humidifier");
  process.method = Name(method, "method");
  if (process.method != "steam" && process.method != "adiabatic")
    Fail(method, "\"method\" must be \"steam\" or \"adiabatic\"");
  process.RH = OptionalNumber(table, "RH");
  process.x = OptionalNumber(table, "x");
  process.tdb = OptionalNumber(table, "tdb");
  process.efficiency = OptionalNumber(table, "efficiency");
  process.steamTemperature = OptionalNumber(table, "steam_temperature");
  const int targets =
      process.RH.has_value() + process.x.has_value() + process.tdb.has_value() + process.efficiency.has_value();
  if (targets != 1) Fail(table, "a humidifier needs one target: \"RH\", \"x\", \"tdb\" or \"efficiency\"");
  if (process.method == "steam" && (process.tdb || process.efficiency))
    Fail(table, "steam takes a target \"RH\" or \"x\"");
  if (process.method == "adiabatic" && process.steamTemperature) {
    Fail(*table.get("steam_temperature"), "\"steam_temperature\" belongs to a steam humidifier");
  }
  if (process.efficiency && !(*process.efficiency > 0 && *process.efficiency <= 1)) {
    Fail(*table.get("efficiency"), "\"efficiency\" must lie in (0, 1]");
  }
}

ProcessInput ReadProcess(const toml::node& node, Names& names) {
  const toml::table* table = node.as_table();
  if (!table) Fail(node, "a process must be a table");
  ProcessInput process;
  process.at = PositionOf(node.source());
  int kinds = 0;
  for (const ProcessKind kind : {ProcessKind::Mix, ProcessKind::Heat, ProcessKind::Coil, ProcessKind::Humidify}) {
    if (table->contains(ProcessKey(kind))) {
      process.kind = kind;
      ++kinds;
    }
  }
  if (kinds != 1) Fail(node, "a process needs one of \"mix\", \"heat\", \"coil\" or \"humidify\"");
  OnlyKeys(*table, KeysOf(process.kind), "a " + std::string(ProcessKey(process.kind)) + " process");
  if (process.kind == ProcessKind::Mix) {
    ReadMix(*table, process, names);
  } else {
    const toml::node& from = *table->get(ProcessKey(process.kind));
    process.from.push_back(Name(from, ProcessKey(process.kind)));
    names.use(from, process.from.back());
    if (process.kind == ProcessKind::Heat) ReadHeat(*table, process);
    if (process.kind == ProcessKind::Coil) ReadCoil(*table, process);
    if (process.kind == ProcessKind::Humidify) ReadHumidify(*table, process);
  }
  const toml::node& into = Required(*table, "into", "a process");
  process.into = Name(into, "into");
  names.define(into, process.into);
  return process;
}

// A zone by its bounds, or by the name of a zone the program knows (an empty table, kept
// without bounds so that the file is written back as it was).
Zone ReadZone(std::string_view name, const toml::node& node) {
  const toml::table* table = node.as_table();
  const std::string where = "zone " + Quoted(name);
  if (!table) Fail(node, where + " must be a table of bounds (tdb_min, RH_max, ...)");
  OnlyKeys(*table, kZoneKeys, where);
  Zone zone{std::string(name), {}};
  if (table->empty()) {
    if (!BuiltInZone(name)) Fail(node, where + " needs a bound (tdb_min, RH_max, ...) or the name of a known zone");
    return zone;
  }
  for (std::size_t i = 0; i < kStateKeys.size(); ++i) {
    ZoneBound bound{*PropertyNamed(kStateKeys[i]), OptionalNumber(*table, kZoneKeys[2 * i]),
                    OptionalNumber(*table, kZoneKeys[2 * i + 1])};
    if (bound.min && bound.max && !(*bound.min <= *bound.max)) {
      Fail(*table->get(kZoneKeys[2 * i]),
           where + ": " + std::string(kZoneKeys[2 * i]) + " lies above " + std::string(kZoneKeys[2 * i + 1]));
    }
    if (bound.min || bound.max) zone.bounds.push_back(bound);
  }
  return zone;
}

std::vector<Zone> ZonesOf(const toml::table& root) {
  std::vector<Zone> zones;
  const toml::node* node = root.get("zones");
  if (!node) return zones;
  const toml::table* table = node->as_table();
  if (!table) Fail(*node, "\"zones\" must be a table of named zones ([zones.NAME])");
  std::vector<std::pair<FilePosition, Zone>> placed;
  for (auto&& [name, zone] : *table) placed.emplace_back(PositionOf(zone.source()), ReadZone(name.str(), zone));
  // The file's order (toml++ keeps a table's keys sorted).
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first.line, a.first.column) < std::tie(b.first.line, b.first.column);
  });
  for (auto& [at, zone] : placed) zones.push_back(std::move(zone));
  return zones;
}

UnitSystem ReadUnits(const toml::table& root) {
  const toml::node* node = root.get("units");
  if (!node) return UnitSystem::SI;
  const auto units = UnitSystemNamed(node->value<std::string>().value_or(""));
  if (!node->is_string() || !units) Fail(*node, "\"units\" must be \"si\" or \"ip\"");
  return *units;
}

// The altitude, in the file's units, must give a pressure.
void CheckAltitude(const Project& project, const toml::table& root) {
  if (!project.altitude) return;
  if (!(StandardAtmospherePressure(FromUnits(Quantity::Altitude, project.units, *project.altitude)) > 0)) {
    Fail(*root.get("altitude"), project.units == UnitSystem::IP ? "\"altitude\" must lie below 145439 ft"
                                                                : "\"altitude\" must lie below 44330 m");
  }
}

AirFlowInput ReadAirFlow(const toml::node& node, const Names& names) {
  const toml::table* table = node.as_table();
  if (!table) Fail(node, "\"airflow\" must be a table");
  OnlyKeys(*table, kAirFlowKeys, "the air flow");
  AirFlowInput flow;
  flow.at = PositionOf(node.source());
  const toml::node& state = Required(*table, "state", "the air flow");
  flow.state = Name(state, "state");
  names.use(state, flow.state);
  flow.volume = OptionalNumber(*table, "volume");
  flow.mass = OptionalNumber(*table, "mass");
  if (flow.volume.has_value() == flow.mass.has_value())
    Fail(node, "the air flow needs \"volume\" or \"mass\" (one of them)");
  if (!(flow.volume.value_or(1) > 0 && flow.mass.value_or(1) > 0)) Fail(node, "the air flow must be positive");
  return flow;
}

Project Read(const toml::table& root) {
  OnlyKeys(root, kProjectKeys, "the project");
  Project project;
  project.units = ReadUnits(root);
  project.altitude = OptionalNumber(root, "altitude");
  if (project.altitude.has_value() == root.contains("pressure")) {
    Fail(root, project.units == UnitSystem::IP
                   ? "the project needs \"pressure\" [psia] or \"altitude\" [ft] (one of them)"
                   : "the project needs \"pressure\" [bar] or \"altitude\" [m] (one of them)");
  }
  if (!project.altitude) project.pressure = Number(*root.get("pressure"), "pressure");
  Names names;
  if (const toml::node* states = root.get("states")) {
    const toml::table* table = states->as_table();
    if (!table) Fail(*states, "\"states\" must be a table of named states");
    for (auto&& [name, node] : *table) {
      project.states.push_back(ReadState(name.str(), node));
      names.define(node, project.states.back().name);
    }
    // The file's order, which the tables print (toml++ keeps a table's keys sorted).
    std::stable_sort(project.states.begin(), project.states.end(), [](const StateInput& a, const StateInput& b) {
      return std::tie(a.at.line, a.at.column) < std::tie(b.at.line, b.at.column);
    });
  }
  if (const toml::node* processes = root.get("processes")) {
    const toml::array* array = processes->as_array();
    if (!array) Fail(*processes, "\"processes\" must be an array of tables ([[processes]])");
    for (const toml::node& node : *array) project.processes.push_back(ReadProcess(node, names));
  }
  if (const toml::node* airflow = root.get("airflow")) project.airflow = ReadAirFlow(*airflow, names);
  project.zones = ZonesOf(root);
  CheckAltitude(project, root);
  return project;
}

std::string Located(std::string_view fileName, FilePosition at, std::string_view cause) {
  return std::string(fileName) + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " +
         std::string(cause);
}

// The file parsed and read by `read`, or what is wrong with it, with its line and column.
template <class Read>
auto Parsed(std::string_view text, std::string_view fileName, Read read)
    -> std::variant<decltype(read(toml::table{})), ProjectError> {
  // Characters on which toml++ 3.3 would meet undefined behaviour are refused first.
  if (const auto unsafe = FirstUnsafeCharacter(text)) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unsafe->codePoint));
    return ProjectError{
        Located(fileName, unsafe->at,
                std::string("the character ") + code +
                    " cannot be read in a project file (U+00A1 to U+0499, U+2C5E to U+3057, U+FB26 to U+FEFE)")};
  }
  try {
    const toml::table root = toml::parse(text, fileName);
    return read(root);
  } catch (const toml::parse_error& e) {
    return ProjectError{Located(fileName, PositionOf(e.source()), e.description())};
  } catch (const Malformed& m) {
    return ProjectError{Located(fileName, m.at, m.cause)};
  }
}

}  // namespace

std::variant<Project, ProjectError> ReadProject(std::string_view text, std::string_view fileName) {
  return Parsed(text, fileName, Read);
}

std::variant<std::vector<Zone>, ProjectError> ReadZones(std::string_view text, std::string_view fileName) {
  return Parsed(text, fileName, [](const toml::table& root) {
    OnlyKeys(root, kProjectKeys, "the file");
    Project project;
    project.units = ReadUnits(root);
    project.zones = ZonesOf(root);
    return InSi(project).zones;
  });
}

}  // namespace vaporel
