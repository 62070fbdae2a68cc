#pragma once
// What a process gives: the leaving state, or the cause it was refused for.

#include <optional>
#include <string>
#include <variant>

#include "calculation/air_state.hpp"

namespace vaporel::process {

// A coil's apparatus dew point [°C] and bypass factor [-], given or derived.
struct CoilPoint {
  double adp = 0;
  double bypass = 0;
};

struct Leaving {
  AirState state;
  std::optional<CoilPoint> coil;  // for a coil
};

// The cause, in words that complete "process N (kind): ".
struct ProcessRefusal {
  std::string cause;
};

using Outcome = std::variant<Leaving, ProcessRefusal>;

}  // namespace vaporel::process
