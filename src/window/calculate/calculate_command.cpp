#include "window/calculate/calculate_command.hpp"
#include "window/input/selector_and_reset.hpp"

#include <array>
#include <optional>
#include <variant>

#include "calculation/field_tests.hpp"
#include "window/model/main_window_model.hpp"
#include "numbers/numbers.hpp"
#include "window/model/platform.hpp"
#include "calculation/resolve_state.hpp"
#include "window/calculate/result_display.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

std::string_view FieldName(InputField field) {
  switch (field) {
    case InputField::Pressure: return control::Text2;
    case InputField::First: return control::Text3;
    case InputField::Second: return control::Text4;
  }
  return control::Text2;
}

constexpr std::array<InputField, 3> kFieldsInOrder = {InputField::Pressure, InputField::First, InputField::Second};

void ShowError(WindowContext& window, const std::string& message) {
  window.platform.messageBox(message, "Error", MessageIcon::Critical);
}

// The command runs from a button, so the focus moves from no checked field and never to
// the selector: a plain move, with no handler to run.
void FocusField(MainWindowModel& model, InputField field) { model.focus = std::string(FieldName(field)); }

}  // namespace

void Calculate(WindowContext& window) {
  MainWindowModel& model = window.model;
  // Only an exactly empty text counts as missing; the first one is reported.
  for (InputField field : kFieldsInOrder) {
    if (model[FieldName(field)].text.empty()) {
      ShowError(window, "All fields require data");
      FocusField(model, field);
      return;
    }
  }
  const InputPair pair = SelectedPair(model);
  if (pair == InputPair::None) return;  // no entry selected: nothing to resolve, nothing to show

  std::array<double, 3> values{};
  for (std::size_t i = 0; i < kFieldsInOrder.size(); ++i) {
    std::optional<double> value = window.numbers.parse(model[FieldName(kFieldsInOrder[i])].text);
    // The entry filter keeps every field numeric; a text set around it is refused, not guessed at.
    if (!value) {
      ShowError(window, kNumbersOnly);
      FocusField(model, kFieldsInOrder[i]);
      return;
    }
    values[i] = *value;
  }

  Resolution resolution = ResolveState(pair, values[0], values[1], values[2]);
  if (const auto* refusal = std::get_if<Refusal>(&resolution)) {
    ShowError(window, refusal->message);
    // Emptying a field raises its entry filter, which leaves an empty text as it is.
    for (InputField field : refusal->emptied) model[FieldName(field)].text.clear();
    if (refusal->focus) FocusField(model, *refusal->focus);
    return;
  }
  DisplayResults(window, std::get<AirState>(resolution));
}

}  // namespace vaporel
