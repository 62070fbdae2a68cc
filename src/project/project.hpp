#pragma once
// A project as its file states it: the units, the pressure, the named states the user gives
// (any input pair), the processes in order, an optional air flow and zones.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "calculation/any_pair.hpp"
#include "calculation/zone.hpp"
#include "properties/formulation.hpp"
#include "units/units.hpp"

namespace vaporel {

// Where in the file an entry stands, for messages: the line, and the column in characters.
struct FilePosition {
  int line = 0;
  int column = 0;
};

// A stretch of the file's text, bytes [begin, end).
struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// Where one key of an entry stands: the key (for messages), its value's text and its lines.
struct KeyPlace {
  std::string key;
  FilePosition at;                  // the key
  FilePosition valueAt;             // its value
  std::vector<FilePosition> items;  // an array's items
  TextSpan value;
  TextSpan lines;        // from the start of the key's line to the end of its value's line
  bool integer = false;  // the value is spelt as an integer (20, not 20.0)
};

// Where an entry of the file stands, so that an edit rewrites only what it changes. An entry
// the file does not hold (made in the desktop) has none.
struct EntryPlace {
  bool inFile = false;
  bool inlineTable = false;  // `name = { ... }`, not a table under a header of its own
  FilePosition at;           // its header, or its key, for messages
  TextSpan lines;            // its lines, from its header (or key) to its last value
  TextSpan name;             // its name's key text (a state's, a zone's), quotes included
  TextSpan table;            // an inline table's braces
  std::vector<KeyPlace> keys;

  const KeyPlace* key(std::string_view k) const {
    for (const KeyPlace& place : keys) {
      if (place.key == k) return &place;
    }
    return nullptr;
  }
  // The position of key k where the entry gives it, else the entry's own.
  FilePosition atKey(std::string_view k) const {
    const KeyPlace* place = key(k);
    return place ? place->at : at;
  }
};

// A state by any two of tdb, twb, tdp, x, h and RH: a pair of the window in the window's order
// (tdb first, or x before h), any other in the order tdb, twb, tdp, x, h, RH.
struct StateInput {
  std::string name;
  Given first{Property::Tdb, 0};
  Given second{Property::RH, 0};
  EntryPlace place;
};

// Each kind of process, with the figures the file gives it; the keys of each are listed once,
// in project_keys.hpp.
// Two or more states by their fractions of the dry-air mass flow, or by their flows: volume
// flows [m³/h of humid air at each state] or dry-air mass flows [kg/s]. A list of flows one
// short leaves the last state the rest of the flow fixed downstream.
struct MixFigures {
  std::vector<std::string> from;
  std::vector<double> fractions;
  std::vector<double> flows;
  std::vector<double> massFlows;
};
struct HeatFigures {  // to a leaving dry bulb, or by a power [kW]
  std::string from;
  std::optional<double> tdb, power;
};
struct CoilFigures {  // by apparatus dew point and bypass factor, or to a leaving tdb with RH or x
  std::string from;
  std::optional<double> adp, bypass, tdb, RH, x;
};
struct HumidifyFigures {  // "steam" or "adiabatic", to one target of RH, x, tdb or efficiency
  std::string from;
  std::string method;
  std::optional<double> RH, x, tdb, efficiency, steamTemperature;
};

// The supply air that takes up a room's loads [kW] and leaves at the room's state, `from`: at a
// given dry bulb, or by its dry-air flow [kg/s] or its volume flow [m³/h at the supply].
struct SpaceFigures {
  std::string from;
  std::optional<double> sensible, latent, supplyTdb, supplyMass, supplyVolume;
};

// Heat recovery between a supply stream and an exhaust stream (a wheel or a plate): `from` the
// supply side's inlet and the exhaust side's, by their effectivenesses [-]; the flows as for a
// mix (else those carried through the project, else balanced). It makes `into` on the supply
// side and `exhaustInto` on the exhaust side.
struct RecoverFigures {
  std::vector<std::string> from;
  std::optional<double> sensibleEffectiveness, latentEffectiveness;
  std::vector<double> flows;
  std::vector<double> massFlows;
  std::string exhaustInto;
};

// In the order of the variant's alternatives.
enum class ProcessKind { Mix, Heat, Coil, Humidify, Space, Recover };

// A figure of a process taken from a state known before it runs (`x = "supply.x"`).
struct FigureReference {
  std::string key;  // the figure's
  std::string state;
  Property property = Property::Tdb;
};

struct ProcessInput {
  std::variant<MixFigures, HeatFigures, CoilFigures, HumidifyFigures, SpaceFigures, RecoverFigures> figures;
  std::string into;
  std::vector<FigureReference> references;
  EntryPlace place;

  const FigureReference* reference(std::string_view key) const {
    for (const FigureReference& r : references) {
      if (r.key == key) return &r;
    }
    return nullptr;
  }

  ProcessKind kind() const { return static_cast<ProcessKind>(figures.index()); }
  // The states it starts from: a mix's, a recovery's two, or the one of any other kind.
  std::vector<std::string> from() const {
    return std::visit(
        [](const auto& f) -> std::vector<std::string> {
          if constexpr (std::is_same_v<decltype(f.from), std::vector<std::string>>) {
            return f.from;
          } else {
            return {f.from};
          }
        },
        figures);
  }
  // The one state a process starts from; none for a mix or a recovery.
  std::string* source() {
    return std::visit(
        [](auto& f) -> std::string* {
          if constexpr (std::is_same_v<decltype(f.from), std::vector<std::string>>) {
            return nullptr;
          } else {
            return &f.from;
          }
        },
        figures);
  }
  // The states it makes: `into`, and a recovery's exhaust.
  std::vector<std::string> made() const {
    if (const auto* recover = std::get_if<RecoverFigures>(&figures)) return {into, recover->exhaustInto};
    return {into};
  }
  // Whether it starts from the state or takes a figure from it.
  bool uses(const std::string& state) const {
    const std::vector<std::string> starts = from();
    for (const FigureReference& r : references) {
      if (r.state == state) return true;
    }
    return std::find(starts.begin(), starts.end(), state) != starts.end();
  }
  // Each state it starts from or takes a figure from named `was` renamed `is`.
  void renameFrom(const std::string& was, const std::string& is) {
    for (FigureReference& r : references) r.state = r.state == was ? is : r.state;
    std::visit(
        [&](auto& f) {
          if constexpr (std::is_same_v<decltype(f.from), std::vector<std::string>>) {
            for (std::string& name : f.from) name = name == was ? is : name;
          } else {
            f.from = f.from == was ? is : f.from;
          }
        },
        figures);
  }
};

struct AirFlowInput {
  std::string state;
  std::optional<double> volume;  // [m³/h of humid air at the state]
  std::optional<double> mass;    // [kg/s of dry air]
  EntryPlace place;
};

// Every value as the file states it, in `units` (InSi gives the project in SI).
struct Project {
  UnitSystem units = UnitSystem::SI;
  // The relations its states are resolved with: the program's own unless the file says
  // formulation = "ashrae".
  FormulationId formulation = FormulationId::Design;
  double pressure = 0;             // [bar]; unset where the file gives the altitude instead
  std::optional<double> altitude;  // [m], when the file gives the site's altitude for the pressure
  std::vector<StateInput> states;
  std::vector<ProcessInput> processes;
  std::optional<AirFlowInput> airflow;
  std::vector<Zone> zones;  // in the file's order; a zone named only (a known one) has no bounds

  // The text the project was read from, with where its root keys (units, pressure, altitude)
  // and its processes (an inline array's brackets) stand; empty for a project made by hand.
  std::string sourceText;
  EntryPlace root;
  EntryPlace processesPlace;
};

// The key a process is written with ("mix", "heat", "coil", "humidify", "space", "recover").
std::string_view ProcessKey(ProcessKind kind);

}  // namespace vaporel
