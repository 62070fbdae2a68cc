#include "window/main_window_logic.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "window/calculate/calculate_command.hpp"
#include "window/input/characters.hpp"
#include "window/input/entry_filter.hpp"
#include "window/input/first_input_field.hpp"
#include "window/input/focus.hpp"
#include "window/input/pressure_field.hpp"
#include "window/input/second_input_field.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/window_context.hpp"
#include "window/model/window_texts.hpp"

namespace vaporel {
namespace {

bool IsInputField(std::string_view name) {
  return name == control::PressureField || name == control::FirstInputField || name == control::SecondInputField;
}

bool IsButton(std::string_view name) {
  return name == control::CalculateButton || name == control::ResetButton || name == control::ExcelButton;
}

// Only the controls of the tab order take the focus, and only while visible and enabled.
bool CanTakeFocus(const MainWindowModel& model, std::string_view name) {
  const auto& order = MainWindowModel::tabOrder();
  if (std::find(order.begin(), order.end(), name) == order.end()) return false;
  const Control& control = model[name];
  return control.visible && control.enabled;
}

// The check of the field the focus is leaving; true when the focus may leave it.
bool CheckFieldBeingLeft(WindowContext& window, std::string_view field) {
  if (field == control::PressureField) return CheckPressureField(window);
  if (field == control::FirstInputField) return CheckFirstInputField(window);
  if (field == control::SecondInputField) return CheckSecondInputField(window);
  return true;  // the selector and the buttons have no check
}

}  // namespace

MainWindowLogic::MainWindowLogic(MainWindowModel& model, Platform& platform, Numbers numbers)
    : model_(model), platform_(platform), numbers_(numbers) {}

void MainWindowLogic::load() {
  WindowContext window{model_, platform_, numbers_};
  model_[control::PairSelector].listIndex = 0;
  OnPairSelected(window);
  // The locale writes one and a half as "1.5" or "1,5": its first '.' is second or absent.
  const std::string oneAndAHalf = numbers_.format(1.5, "0.0");
  const char* hint = oneAndAHalf.find('.') == 1 ? " ." : " ,";
  model_[control::StatusBar].text += hint;
  GiveFocus(window, control::PairSelector);
}

void MainWindowLogic::unload(const WindowPlacement& placement) {
  if (placement.minimized) return;
  const auto save = [this](const char* key, int twips) {
    platform_.saveSetting("Vaporel", "Settings", key, std::to_string(twips));
  };
  save("MainLeft", placement.left);
  save("MainTop", placement.top);
  save("MainWidth", placement.width);
  save("MainHeight", placement.height);
}

void MainWindowLogic::selectPair(int listIndex) {
  if (listIndex < -1 || listIndex >= static_cast<int>(MainWindowModel::pairEntries().size())) return;
  WindowContext window{model_, platform_, numbers_};
  model_[control::PairSelector].listIndex = listIndex;
  OnPairSelected(window);
}

bool MainWindowLogic::moveFocus(std::string_view target) {
  if (!CanTakeFocus(model_, target)) return false;
  if (model_.focus == target) return true;
  WindowContext window{model_, platform_, numbers_};
  const std::string leaving = model_.focus;
  if (!CheckFieldBeingLeft(window, leaving)) return false;
  // An accepted check may itself have sent the focus on (the pressure to Text3, the
  // first input to Text4); then the user's move does not happen.
  if (model_.focus != leaving) return model_.focus == target;
  if (!CanTakeFocus(model_, target)) return false;
  GiveFocus(window, target);
  return true;
}

std::string MainWindowLogic::nextInTabOrder(bool backwards) const {
  const auto& order = MainWindowModel::tabOrder();
  const int count = static_cast<int>(order.size());
  const auto here = std::find(order.begin(), order.end(), model_.focus);
  // From no control in the order, Tab starts at the first one and Shift+Tab at the last.
  int index = here == order.end() ? (backwards ? count : -1) : static_cast<int>(here - order.begin());
  for (int step = 0; step < count; ++step) {
    index = ((backwards ? index - 1 : index + 1) % count + count) % count;
    const auto& next = order[static_cast<std::size_t>(index)];
    if (CanTakeFocus(model_, next)) return next;
  }
  return "";
}

void MainWindowLogic::editField(std::string_view field, std::string_view newText) {
  if (!IsInputField(field) || !model_[field].enabled || !model_[field].visible) return;
  WindowContext window{model_, platform_, numbers_};
  SetFieldText(window, field, std::string(FirstCharacters(newText, kFieldMaxLength)));
}

void MainWindowLogic::click(std::string_view button) {
  if (!IsButton(button) || !model_[button].visible || !model_[button].enabled) return;
  WindowContext window{model_, platform_, numbers_};
  if (button == control::CalculateButton) {
    Calculate(window);
  } else if (button == control::ResetButton) {
    Reset(window);
  } else if (reportCommand_) {
    reportCommand_();
  }
}

void MainWindowLogic::menuExit() { platform_.endProgram(); }

void MainWindowLogic::menuProperties() {
  const std::string path = platform_.programFolder() + "/" + kReferenceDocument;
  std::error_code error;
  const bool present = std::filesystem::is_regular_file(path, error);
  if (!present || !platform_.openDocument(path)) {
    platform_.messageBox(kReferenceDocumentMissing, kReferenceDocumentTitle, MessageIcon::Critical);
  }
}

}  // namespace vaporel
