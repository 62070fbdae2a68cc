#pragma once
// The main window's behaviour on its view model: every user event the desktop layer
// sees becomes one call here, and every rule of the window runs headless.

#include <functional>
#include <string>
#include <string_view>

#include "numbers/numbers.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"

namespace vaporel {

// The main window's placement in twips, as the desktop reports it at shut-down.
struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;   // outer width
  int height = 0;  // outer height
  bool minimized = false;
};

// The most characters an input field holds; a longer paste is cut before the entry filter sees it.
inline constexpr std::size_t kFieldMaxLength = 64;

class MainWindowLogic {
 public:
  MainWindowLogic(MainWindowModel& model, Platform& platform, Numbers numbers);

  MainWindowModel& model() { return model_; }
  const Numbers& numbers() const { return numbers_; }

  // The window's load: selects entry 0 (its selection handler runs), appends the
  // decimal-separator hint to the status bar, then gives Combo1 the focus (its focus handler runs).
  void load();
  // The window's unload (the desktop has closed the other windows first): writes the
  // placement to the settings store unless the window is minimized.
  void unload(const WindowPlacement& placement);

  // The user picked entry listIndex of Combo1 (which already has the focus).
  void selectPair(int listIndex);

  // The focus is about to move to `target` (Tab, Shift+Tab or a click). The field check of
  // the field being left runs first. Returns true when the focus went to `target`; false
  // when a check refused (the focus stays in the refused field) or an accepted check sent
  // the focus elsewhere; then a clicked control must not act.
  bool moveFocus(std::string_view target);
  // The visible, enabled control after (or before) the focused one in tab order.
  std::string nextInTabOrder(bool backwards) const;

  // The user changed a field's text (typed, pasted, deleted; the caret ends at the end).
  // The text is cut to kFieldMaxLength characters, then the entry filter runs.
  void editField(std::string_view field, std::string_view newText);

  // A click on a button that already has the focus: "Command1" Calculate, "Command2" Reset,
  // "Command3" Excel. Does nothing for a hidden or disabled button.
  void click(std::string_view button);

  // Menu commands; neither waits on a field check.
  void menuExit();
  void menuProperties();

  // What "Excel" runs (report generation lives in a layer above this one).
  void setReportCommand(std::function<void()> command) { reportCommand_ = std::move(command); }

 private:
  MainWindowModel& model_;
  Platform& platform_;
  Numbers numbers_;
  std::function<void()> reportCommand_;
};

}  // namespace vaporel
