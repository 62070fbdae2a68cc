#pragma once
// A project as its file states it: the units, the pressure, the named states the user gives
// (any input pair), the processes in order, an optional air flow and zones.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/any_pair.hpp"
#include "calculation/zone.hpp"
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

enum class ProcessKind { Mix, Heat, Coil, Humidify };

// One process; which of the optional figures it has depends on its kind:
//   mix:      from (two or more), fractions
//   heat:     tdb or power [kW]
//   coil:     adp and bypass, or tdb with RH or x (the leaving state)
//   humidify: method "steam" or "adiabatic", one target of RH, x, tdb or efficiency,
//             steamTemperature (steam only)
struct ProcessInput {
  ProcessKind kind = ProcessKind::Heat;
  std::vector<std::string> from;
  std::vector<double> fractions;
  std::string into;
  std::optional<double> tdb, power, adp, bypass, RH, x, efficiency, steamTemperature;
  std::string method;
  EntryPlace place;
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

// The key a process is written with ("mix", "heat", "coil", "humidify").
std::string_view ProcessKey(ProcessKind kind);

}  // namespace vaporel
