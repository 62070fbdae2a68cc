#include "window/input/pressure_field.hpp"

#include "calculation/check_sequence.hpp"
#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "window/input/focus.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {
namespace {

std::optional<std::string> PressureTests(WindowContext& window, double p) {
  const InputPair pair = SelectedPair(window.model);
  PressureStep step = CheckPressureStep(pair, p, window.numbers);
  if (step.refusal) return step.refusal;
  window.model[control::PressureField].background = kWhite;
  ShowMaxDryBulb(window, pair, step.tdbmaxText);
  // Whichever control the user was moving to, the first input comes next.
  GiveFocus(window, control::FirstInputField);
  return std::nullopt;
}

}  // namespace

bool CheckPressureField(WindowContext& window) { return CheckField(window, control::PressureField, PressureTests); }

}  // namespace vaporel
