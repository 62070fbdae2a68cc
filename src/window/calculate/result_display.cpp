#include "window/calculate/result_display.hpp"

#include <cstddef>

#include "calculation/resolve_state.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {

void DisplayResults(WindowContext& window, const AirState& state) {
  MainWindowModel& model = window.model;
  const auto texts = ResultTexts(state, ThermophysicalProperties(state), window.numbers);
  for (std::size_t i = 0; i < kResultFields.size(); ++i) model[kResultFields[i].label].text = texts[i];
  model.resultState = state;
  model[control::OutputFrame].visible = true;
  model[control::ResetButton].enabled = true;
  model[control::ExcelButton].enabled = true;
}

}  // namespace vaporel
