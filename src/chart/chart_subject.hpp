#pragma once
// What a chart is drawn for: a pressure and, when there is one, the state to mark.

#include <optional>

#include "calculation/air_state.hpp"
#include "properties/constants.hpp"

namespace vaporel {

struct ChartSubject {
  double p = kStandardPressure;
  std::optional<AirState> state;
  friend bool operator==(const ChartSubject& a, const ChartSubject& b) {
    return a.p == b.p && a.state.has_value() == b.state.has_value() &&
           (!a.state || (a.state->tdb == b.state->tdb && a.state->x == b.state->x && a.state->p == b.state->p));
  }
};

}  // namespace vaporel
