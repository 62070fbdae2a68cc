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

// Where in the file an entry stands, for messages.
struct FilePosition {
  int line = 0;
  int column = 0;
};

// A state by any two of tdb, twb, tdp, x, h and RH: a pair of the window in the window's order
// (tdb first, or x before h), any other in the order tdb, twb, tdp, x, h, RH.
struct StateInput {
  std::string name;
  Given first{Property::Tdb, 0};
  Given second{Property::RH, 0};
  FilePosition at;
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
  FilePosition at;
};

struct AirFlowInput {
  std::string state;
  std::optional<double> volume;  // [m³/h of humid air at the state]
  std::optional<double> mass;    // [kg/s of dry air]
  FilePosition at;
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
};

// The key a process is written with ("mix", "heat", "coil", "humidify").
std::string_view ProcessKey(ProcessKind kind);

}  // namespace vaporel
