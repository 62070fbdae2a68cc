#pragma once
// What the chart window shows of the main window: the pressure and the state of the
// results on display, read from the view model at full precision.

#include "chart/chart_subject.hpp"
#include "numbers/numbers.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {

// The results on display (Frame2 shown): their pressure and state. Otherwise the pressure
// in Text2 when the pressure check accepts it, else 1.01325 bar, and no state.
ChartSubject ChartSubjectOf(const MainWindowModel& model, const Numbers& numbers);

}  // namespace vaporel
