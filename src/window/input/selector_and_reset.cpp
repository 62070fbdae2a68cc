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
  SetFieldText(window, control::Text2, "");
  SetFieldText(window, control::Text3, "");
  SetFieldText(window, control::Text4, "");
}

void DisableFollowUpCommands(MainWindowModel& model) {
  model[control::Command2].enabled = false;
  model[control::Command3].enabled = false;
}

}  // namespace

InputPair SelectedPair(const MainWindowModel& model) {
  return InputPairFromListIndex(model[control::Combo1].listIndex);
}

void OnPairSelected(WindowContext& window) {
  MainWindowModel& model = window.model;
  const int index = model[control::Combo1].listIndex;
  // No entry selected: the captions stay, the rest still runs.
  if (const InputPair pair = InputPairFromListIndex(index); pair != InputPair::None) {
    const auto captions = InputCaptions(pair);
    model[control::Label7].text = captions[0];
    model[control::Label8].text = captions[1];
  }
  model[control::Command1].visible = true;
  model[control::Command2].visible = true;
  model[control::Frame1].visible = true;
  model[control::Frame3].visible = true;
  HideBoundaryValues(window);
  model[control::Text2].enabled = true;
  model[control::Text3].enabled = true;
  model[control::Text4].enabled = true;
  model[control::Command1].enabled = true;
}

void OnSelectorFocus(WindowContext& window) {
  window.model[control::Frame2].visible = false;
  EmptyInputFields(window);
  DisableFollowUpCommands(window.model);
}

void Reset(WindowContext& window) {
  MainWindowModel& model = window.model;
  EmptyInputFields(window);
  model[control::Label12].text = "";
  model[control::Label19].text = "";
  model[control::Label21].text = "";
  model[control::Frame2].visible = false;
  DisableFollowUpCommands(model);
  GiveFocus(window, control::Text2);
}

}  // namespace vaporel
