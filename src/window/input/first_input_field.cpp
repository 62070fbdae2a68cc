#include "window/input/first_input_field.hpp"

#include "calculation/check_sequence.hpp"
#include "numbers/numbers.hpp"
#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "window/input/focus.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {
namespace {

std::optional<std::string> FirstInputTests(WindowContext& window, double value) {
  window.model[control::FirstInputField].background = kWhite;
  const InputPair pair = SelectedPair(window.model);
  HideSecondInputLimits(window);
  const FirstInputStep step = CheckFirstInputStep(pair, value, window.model[control::PressureField].text,
                                                  window.model[control::TdbmaxValue].text, window.numbers);
  if (step.verdict.refusal) return step.verdict.refusal;
  ShowSecondInputLimits(window, step);
  // Pair 1 has no limits to show for the second input and leaves the focus where the user moved it.
  if (pair != InputPair::None && pair != InputPair::DryBulbHumidity) GiveFocus(window, control::SecondInputField);
  return std::nullopt;
}

}  // namespace

bool CheckFirstInputField(WindowContext& window) {
  return CheckField(window, control::FirstInputField, FirstInputTests);
}

}  // namespace vaporel
