#pragma once
// The main window as plain data: one entry per control name. The window logic
// reads and writes only this; the desktop layer renders it after every handler.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/air_state.hpp"

namespace vaporel {

struct Rgb {
  int r = 255, g = 255, b = 255;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};

struct Control {
  std::string text;  // a field's text, a label's/frame's/button's caption
  bool visible = true;
  bool enabled = true;
  Rgb background = kWhite;  // meaningful for the input fields
  int listIndex = -1;       // Combo1 only: the selected entry, -1 for none
};

class MainWindowModel {
 public:
  // The window as laid out, before any start-up code runs.
  MainWindowModel();

  Control& operator[](std::string_view name);  // throws std::out_of_range for an unknown name
  const Control& operator[](std::string_view name) const;
  const std::map<std::string, Control, std::less<>>& controls() const { return controls_; }

  // Name of the control that has the keyboard focus ("" for none).
  std::string focus;
  // The window's mouse pointer is the hourglass.
  bool busyPointer = false;
  // The state the last successful Calculate displayed, at full precision; it is on display
  // while Frame2 is visible.
  std::optional<AirState> resultState;

  // Combo1's entries and the tab order: Combo1, Text2, Text3, Text4, Command1, Command2, Command3.
  static const std::vector<std::string>& pairEntries();
  static const std::vector<std::string>& tabOrder();

 private:
  std::map<std::string, Control, std::less<>> controls_;
};

}  // namespace vaporel
