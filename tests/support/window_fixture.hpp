#pragma once
// A started main window driven by a headless user, for one decimal separator.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "numbers/numbers.hpp"
#include "support/recording_platform.hpp"
#include "support/separator.hpp"
#include "window/driver/user_driver.hpp"
#include "window/main_window_logic.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel::testing {

struct StartedWindow {
  explicit StartedWindow(char separator) : logic(model, platform, Numbers(separator)), user(logic) {
    logic.load();
    platform.clear();
  }

  // A number written with '.' as the window's locale writes it; '~' stands for the
  // separator of the other locale, which this window does not accept.
  std::string local(std::string_view text) const { return WithSeparator(text, logic.numbers().decimalSeparator()); }
  const std::string& text(std::string_view control) const { return model[control].text; }
  bool visible(std::string_view control) const { return model[control].visible; }
  bool enabled(std::string_view control) const { return model[control].enabled; }

  // Picks the input pair (1 to 5) and enters the pressure; the focus is then in Text3.
  void enterPressure(int pair, std::string_view p) {
    ASSERT_TRUE(user.pick(pair - 1));
    ASSERT_TRUE(user.type("Text2", local(p)));
    user.tab();
    ASSERT_EQ(model.focus, "Text3");
  }
  // As enterPressure, then enters the first input and leaves it by Tab.
  void enterFirstInput(int pair, std::string_view p, std::string_view first) {
    enterPressure(pair, p);
    ASSERT_TRUE(user.type("Text3", local(first)));
    user.tab();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front().text;
    ASSERT_EQ(model.focus, "Text4");
  }

  // The road of a calculation: pair 1, 1.01325 bar, 20 °C, 50 %, each field left by Tab,
  // then Calculate clicked; the focus ends on Command1.
  void calculateTypicalState() {
    enterPressure(1, "1.01325");
    ASSERT_TRUE(user.type("Text3", "20"));
    ASSERT_TRUE(user.tab());
    ASSERT_TRUE(user.type("Text4", "50"));
    ASSERT_TRUE(user.tab());
    ASSERT_EQ(model.focus, "Command1");
    ASSERT_TRUE(user.clickOn("Command1"));
    ASSERT_TRUE(model["Frame2"].visible);
  }

  MainWindowModel model;
  RecordingPlatform platform;
  MainWindowLogic logic;
  UserDriver user;
};

// Parameter: the decimal separator of the user's locale.
class EitherSeparator : public ::testing::TestWithParam<char> {
 protected:
  StartedWindow window{GetParam()};
};

// A test name for a row of a field's cases: "pair2_1d01325_comma".
inline std::string RowName(char separator, int pair, std::string_view value) {
  std::string name = "pair" + std::to_string(pair) + "_";
  for (char c : value) name += c == '.' ? 'd' : c == '-' ? 'm' : c;
  return name + SeparatorSuffix(separator);
}

}  // namespace vaporel::testing
