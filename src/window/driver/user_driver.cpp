#include "window/driver/user_driver.hpp"

#include "window/input/characters.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {

bool UserDriver::pick(int entryIndex) {
  if (!clickOn(control::PairSelector)) return false;
  logic_.selectPair(entryIndex);
  return true;
}

bool UserDriver::enterField(std::string_view field) { return logic_.model().focus == field || clickOn(field); }

bool UserDriver::type(std::string_view field, std::string_view text) {
  if (!enterField(field)) return false;
  for (const std::string& key : SplitCharacters(text)) {
    logic_.editField(field, logic_.model()[field].text + key);
  }
  return true;
}

bool UserDriver::paste(std::string_view field, std::string_view text) {
  if (!enterField(field)) return false;
  logic_.editField(field, logic_.model()[field].text + std::string(text));
  return true;
}

bool UserDriver::clear(std::string_view field) {
  if (!enterField(field)) return false;
  logic_.editField(field, "");
  return true;
}

bool UserDriver::tab() {
  const std::string next = logic_.nextInTabOrder(false);
  return !next.empty() && logic_.moveFocus(next);
}

bool UserDriver::shiftTab() {
  const std::string previous = logic_.nextInTabOrder(true);
  return !previous.empty() && logic_.moveFocus(previous);
}

bool UserDriver::clickOn(std::string_view control) {
  if (!logic_.moveFocus(control)) return false;
  logic_.click(control);  // acts for a button only
  return true;
}

bool UserDriver::focus(std::string_view control) { return logic_.moveFocus(control); }

}  // namespace vaporel
