#include "window/calculate/calculate_command.hpp"

#include <array>
#include <optional>
#include <variant>

#include "calculation/check_sequence.hpp"
#include "calculation/resolve_state.hpp"
#include "numbers/numbers.hpp"
#include "window/calculate/result_display.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"
#include "window/model/window_texts.hpp"

namespace vaporel {
namespace {

std::string_view FieldName(InputField field) {
  switch (field) {
    case InputField::Pressure: return control::PressureField;
    case InputField::First: return control::FirstInputField;
    case InputField::Second: return control::SecondInputField;
  }
  return control::PressureField;
}

void ShowError(WindowContext& window, const std::string& message) {
  window.platform.messageBox(message, kRefusalTitle, MessageIcon::Critical);
}

// The command runs from a button, so the focus moves from no checked field and never to
// the selector: a plain move, with no handler to run.
void FocusField(MainWindowModel& model, InputField field) { model.focus = std::string(FieldName(field)); }

}  // namespace

void Calculate(WindowContext& window) {
  MainWindowModel& model = window.model;
  const FieldTexts texts{model[control::PressureField].text, model[control::FirstInputField].text,
                         model[control::SecondInputField].text};
  const std::optional<Resolution> resolution = CalculateFromFields(SelectedPair(model), texts, window.numbers);
  if (!resolution) return;
  if (const auto* refusal = std::get_if<Refusal>(&*resolution)) {
    ShowError(window, refusal->message);
    // Emptying a field raises its entry filter, which leaves an empty text as it is.
    for (InputField field : refusal->emptied) model[FieldName(field)].text.clear();
    if (refusal->focus) FocusField(model, *refusal->focus);
    return;
  }
  DisplayResults(window, std::get<AirState>(*resolution));
}

}  // namespace vaporel
