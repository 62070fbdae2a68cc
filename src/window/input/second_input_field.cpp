#include "window/input/second_input_field.hpp"

#include "calculation/check_sequence.hpp"
#include "numbers/numbers.hpp"
#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {
namespace {

std::optional<std::string> SecondInputTests(WindowContext& window, double value) {
  window.model[control::SecondInputField].background = kWhite;
  const InputPair pair = SelectedPair(window.model);
  if (pair == InputPair::None) return std::nullopt;
  const MainWindowModel& model = window.model;
  SecondInputStep step =
      CheckSecondInputStep(pair, value, model[control::PressureField].text, model[control::FirstInputField].text,
                           model[control::TdbmaxValue].text, model[control::SecondLimitValue].text, window.numbers);
  // Pair 4's limits stand on the panel whether the value passes or not.
  if (step.enthalpyLimitTexts)
    WriteEnthalpyLimits(window, step.enthalpyLimitTexts->first, step.enthalpyLimitTexts->second);
  return step.refusal;
}

}  // namespace

bool CheckSecondInputField(WindowContext& window) {
  return CheckField(window, control::SecondInputField, SecondInputTests);
}

}  // namespace vaporel
