#pragma once
// A user at the keyboard and mouse, without a window: every action goes through the
// main window's logic exactly as the desktop layer would send it, so scenarios read as
// "pick, type, tab, click, expect".

#include <string>
#include <string_view>

#include "window/main_window_logic.hpp"

namespace vaporel {

class UserDriver {
 public:
  explicit UserDriver(MainWindowLogic& logic) : logic_(logic) {}

  // Clicks into Combo1 and picks entry `entryIndex`; false when the click was refused.
  bool pick(int entryIndex);
  // Clicks into the field unless it has the focus, then types the text key by key with
  // the caret at the end; false when the field could not take the focus.
  bool type(std::string_view field, std::string_view text);
  // Clicks into the field unless it has the focus, then pastes the text at the end.
  bool paste(std::string_view field, std::string_view text);
  // Clicks into the field unless it has the focus, selects all and deletes it.
  bool clear(std::string_view field);
  // Tab and Shift+Tab; true when the focus went to the next control in tab order.
  bool tab();
  bool shiftTab();
  // A mouse click: the focus moves to the control, and a button acts only if it got there.
  bool clickOn(std::string_view control);
  // Moves the focus to the control without clicking it.
  bool focus(std::string_view control);

 private:
  bool enterField(std::string_view field);

  MainWindowLogic& logic_;
};

}  // namespace vaporel
