#include "window/input/first_input_field.hpp"

#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "calculation/field_tests.hpp"
#include "window/input/focus.hpp"
#include "window/model/main_window_model.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {
namespace {

std::optional<std::string> FirstInputTests(WindowContext& window, double value) {
  window.model["Text3"].background = kWhite;
  const int pair = window.model["Combo1"].listIndex + 1;
  const FirstInputContext context{window.numbers.parse(window.model["Text2"].text), ShownLimit(window, "Label12")};
  HideSecondInputLimits(window);
  FirstInputVerdict verdict = CheckFirstInput(pair, value, context);
  if (verdict.refusal) return verdict.refusal;
  ShowSecondInputLimits(window, verdict);
  // Pair 1 has no limits to show for the second input and leaves the focus where the user moved it.
  if (pair >= 2 && pair <= 5) GiveFocus(window, "Text4");
  return std::nullopt;
}

}  // namespace

bool CheckFirstInputField(WindowContext& window) { return CheckField(window, "Text3", FirstInputTests); }

}  // namespace vaporel
