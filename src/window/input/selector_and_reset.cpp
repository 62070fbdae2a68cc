#include "window/input/selector_and_reset.hpp"

#include <array>

#include "window/input/boundary_panel.hpp"
#include "window/input/entry_filter.hpp"
#include "window/input/focus.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {
namespace {

void EmptyInputFields(WindowContext& window) {
  SetFieldText(window, control::PressureField, "");
  SetFieldText(window, control::FirstInputField, "");
  SetFieldText(window, control::SecondInputField, "");
}

void DisableFollowUpCommands(MainWindowModel& model) {
  model[control::ResetButton].enabled = false;
  model[control::ExcelButton].enabled = false;
}

}  // namespace

InputPair SelectedPair(const MainWindowModel& model) {
  return InputPairFromListIndex(model[control::PairSelector].listIndex);
}

void OnPairSelected(WindowContext& window) {
  MainWindowModel& model = window.model;
  const int index = model[control::PairSelector].listIndex;
  // No entry selected: the captions stay, the rest still runs.
  if (const InputPair pair = InputPairFromListIndex(index); pair != InputPair::None) {
    const auto captions = InputCaptions(pair);
    model[control::FirstInputCaption].text = captions[0];
    model[control::SecondInputCaption].text = captions[1];
  }
  model[control::CalculateButton].visible = true;
  model[control::ResetButton].visible = true;
  model[control::InputFrame].visible = true;
  model[control::BoundaryFrame].visible = true;
  HideBoundaryValues(window);
  model[control::PressureField].enabled = true;
  model[control::FirstInputField].enabled = true;
  model[control::SecondInputField].enabled = true;
  model[control::CalculateButton].enabled = true;
}

void OnSelectorFocus(WindowContext& window) {
  window.model[control::OutputFrame].visible = false;
  EmptyInputFields(window);
  DisableFollowUpCommands(window.model);
}

void Reset(WindowContext& window) {
  MainWindowModel& model = window.model;
  EmptyInputFields(window);
  model[control::TdbmaxValue].text = "";
  model[control::SecondLimitValue].text = "";
  model[control::HmaxValue].text = "";
  model[control::OutputFrame].visible = false;
  DisableFollowUpCommands(model);
  GiveFocus(window, control::PressureField);
}

}  // namespace vaporel
