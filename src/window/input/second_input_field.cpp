#include "window/input/second_input_field.hpp"

#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "calculation/field_tests.hpp"
#include "window/model/main_window_model.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {
namespace {

std::optional<std::string> SecondInputTests(WindowContext& window, double value) {
  window.model["Text4"].background = kWhite;
  const int pair = window.model["Combo1"].listIndex + 1;
  if (pair < 1 || pair > 5) return std::nullopt;
  const SecondInputContext context{window.numbers.parse(window.model["Text2"].text),
                                   window.numbers.parse(window.model["Text3"].text), ShownLimit(window, "Label12"),
                                   ShownLimit(window, "Label19")};
  SecondInputVerdict verdict = CheckSecondInput(pair, value, context);
  // Pair 4's limits stand on the panel whether the value passes or not.
  if (verdict.pair4Panel) WriteEnthalpyLimits(window, *verdict.pair4Panel);
  return verdict.refusal;
}

}  // namespace

bool CheckSecondInputField(WindowContext& window) { return CheckField(window, "Text4", SecondInputTests); }

}  // namespace vaporel
