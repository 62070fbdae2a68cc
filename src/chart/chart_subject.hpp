#pragma once
// What the chart window shows of the main window: the pressure and the state of the
// results on display, read from the view model at full precision.

#include <optional>

#include "calculation/air_state.hpp"
#include "numbers/numbers.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {

inline constexpr double kStandardPressure = 1.01325;  // [bar], before any pressure is accepted

struct ChartSubject {
  double p = kStandardPressure;
  std::optional<AirState> state;
  friend bool operator==(const ChartSubject& a, const ChartSubject& b) {
    return a.p == b.p && a.state.has_value() == b.state.has_value() &&
           (!a.state || (a.state->tdb == b.state->tdb && a.state->x == b.state->x && a.state->p == b.state->p));
  }
};

// The results on display (Frame2 shown): their pressure and state. Otherwise the pressure
// in Text2 when the pressure check accepts it, else 1.01325 bar, and no state.
ChartSubject ChartSubjectOf(const MainWindowModel& model, const Numbers& numbers);

}  // namespace vaporel
