#include "window/input/second_input_field.hpp"

#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "calculation/field_tests.hpp"
#include "window/model/main_window_model.hpp"
#include "numbers/numbers.hpp"
#include "window/model/control_names.hpp"
#include "window/input/selector_and_reset.hpp"

namespace vaporel {
namespace {

std::optional<std::string> SecondInputTests(WindowContext& window, double value) {
  window.model[control::Text4].background = kWhite;
  const InputPair pair = SelectedPair(window.model);
  if (pair == InputPair::None) return std::nullopt;
  const SecondInputContext context{window.numbers.parse(window.model[control::Text2].text),
                                   window.numbers.parse(window.model[control::Text3].text), ShownLimit(window, control::Label12),
                                   ShownLimit(window, control::Label19)};
  SecondInputVerdict verdict = CheckSecondInput(pair, value, context);
  // Pair 4's limits stand on the panel whether the value passes or not.
  if (verdict.pair4Panel) WriteEnthalpyLimits(window, *verdict.pair4Panel);
  return verdict.refusal;
}

}  // namespace

bool CheckSecondInputField(WindowContext& window) { return CheckField(window, control::Text4, SecondInputTests); }

}  // namespace vaporel
