#include "window/input/selector_and_reset.hpp"

#include <array>

#include "window/input/boundary_panel.hpp"
#include "window/input/entry_filter.hpp"
#include "window/input/focus.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {
namespace {

struct InputCaptions {
  const char* first;   // Label7, beside Text3
  const char* second;  // Label8, beside Text4
};

// By list index; the fifth entry's captions are in title case, as the window has always shown them.
constexpr std::array<InputCaptions, 5> kInputCaptions = {{
    {"Dry bulb temperature [oC] ", "Relative humidity [%] "},
    {"Dry bulb temperature [oC] ", "Wet bulb temperature [oC] "},
    {"Dry bulb temperature [oC] ", "Enthalpy [kJ/kg] "},
    {"Absolute humidity [-] ", "Enthalpy [kJ/kg] "},
    {"Dry Bulb Temperature [oC] ", "Absolute Humidity [-] "},
}};

void EmptyInputFields(WindowContext& window) {
  SetFieldText(window, "Text2", "");
  SetFieldText(window, "Text3", "");
  SetFieldText(window, "Text4", "");
}

void DisableFollowUpCommands(MainWindowModel& model) {
  model["Command2"].enabled = false;
  model["Command3"].enabled = false;
}

}  // namespace

void OnPairSelected(WindowContext& window) {
  MainWindowModel& model = window.model;
  const int index = model["Combo1"].listIndex;
  // No entry selected: the captions stay, the rest still runs.
  if (index >= 0 && index < static_cast<int>(kInputCaptions.size())) {
    model["Label7"].text = kInputCaptions[index].first;
    model["Label8"].text = kInputCaptions[index].second;
  }
  model["Command1"].visible = true;
  model["Command2"].visible = true;
  model["Frame1"].visible = true;
  model["Frame3"].visible = true;
  HideBoundaryValues(window);
  model["Text2"].enabled = true;
  model["Text3"].enabled = true;
  model["Text4"].enabled = true;
  model["Command1"].enabled = true;
}

void OnSelectorFocus(WindowContext& window) {
  window.model["Frame2"].visible = false;
  EmptyInputFields(window);
  DisableFollowUpCommands(window.model);
}

void Reset(WindowContext& window) {
  MainWindowModel& model = window.model;
  EmptyInputFields(window);
  model["Label12"].text = "";
  model["Label19"].text = "";
  model["Label21"].text = "";
  model["Frame2"].visible = false;
  DisableFollowUpCommands(model);
  GiveFocus(window, "Text2");
}

}  // namespace vaporel
