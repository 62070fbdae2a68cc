#include "window/input/pressure_field.hpp"

#include "window/input/boundary_panel.hpp"
#include "window/input/field_check.hpp"
#include "calculation/field_tests.hpp"
#include "window/input/focus.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/control_names.hpp"
#include "window/input/selector_and_reset.hpp"

namespace vaporel {
namespace {

std::optional<std::string> PressureTests(WindowContext& window, double p) {
  const InputPair pair = SelectedPair(window.model);
  PressureVerdict verdict = CheckPressure(pair, p);
  if (verdict.refusal) return verdict.refusal;
  window.model[control::Text2].background = kWhite;
  ShowMaxDryBulb(window, pair, verdict.tdbmax);
  // Whichever control the user was moving to, the first input comes next.
  GiveFocus(window, control::Text3);
  return std::nullopt;
}

}  // namespace

bool CheckPressureField(WindowContext& window) { return CheckField(window, control::Text2, PressureTests); }

}  // namespace vaporel
