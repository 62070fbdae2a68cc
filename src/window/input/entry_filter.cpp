#include "window/input/entry_filter.hpp"

#include <optional>

#include "numbers/numbers.hpp"
#include "window/input/characters.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"

namespace vaporel {
namespace {

struct UpperClamp {
  double limit;
  const char* text;
};

// The pressure never exceeds 10 bar; a relative humidity (pair 1, entry 0) never exceeds 100 %.
std::optional<UpperClamp> UpperClampOf(const WindowContext& window, std::string_view field) {
  if (field == control::PressureField) return UpperClamp{10, "10"};
  if (field == control::SecondInputField && SelectedPair(window.model) == InputPair::DryBulbHumidity)
    return UpperClamp{100, "100"};
  return std::nullopt;
}

}  // namespace

void SetFieldText(WindowContext& window, std::string_view field, std::string text) {
  Control& control = window.model[field];
  if (control.text == text) return;  // an unchanged text raises no change
  control.text = std::move(text);
  RunEntryFilter(window, field);
}

void RunEntryFilter(WindowContext& window, std::string_view field) {
  Control& control = window.model[field];
  // A text that is not a number loses its last character, with a beep, and setting the
  // shorter text raises this filter again: one nested run per removed character. The
  // nesting is unrolled into this loop so that a long paste cannot exhaust the stack;
  // each pass shortens the text, so the loop ends.
  while (!control.text.empty() && !window.numbers.isNumeric(control.text)) {
    control.text = std::string(WithoutLastCharacter(control.text));
    window.platform.beep();
  }
  std::optional<double> value = window.numbers.parse(control.text);
  if (!value) return;  // empty
  if (*value < 0) {
    control.text = "0";
    value = 0.0;
  }
  if (auto clamp = UpperClampOf(window, field); clamp && *value > clamp->limit) control.text = clamp->text;
}

}  // namespace vaporel
