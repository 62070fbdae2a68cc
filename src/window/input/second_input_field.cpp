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
  window.model[control::Text4].background = kWhite;
  const InputPair pair = SelectedPair(window.model);
  if (pair == InputPair::None) return std::nullopt;
  const MainWindowModel& model = window.model;
  SecondInputStep step =
      CheckSecondInputStep(pair, value, model[control::Text2].text, model[control::Text3].text,
                           model[control::Label12].text, model[control::Label19].text, window.numbers);
  // Pair 4's limits stand on the panel whether the value passes or not.
  if (step.pair4Texts) WriteEnthalpyLimits(window, step.pair4Texts->first, step.pair4Texts->second);
  return step.refusal;
}

}  // namespace

bool CheckSecondInputField(WindowContext& window) { return CheckField(window, control::Text4, SecondInputTests); }

}  // namespace vaporel
