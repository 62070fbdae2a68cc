// The Calculate command on the window: the empty-field check, the refusals of pairs 2
// and 5 with their effects on the fields, and the thirteen result labels.

#include <array>
#include <string>

#include "support/typical_state.hpp"
#include "support/window_fixture.hpp"

namespace vaporel::testing {
namespace {

constexpr std::array<const char*, 13> kResultLabels = {"l7",  "l8",  "l9",  "l10", "l11", "l12", "l13",
                                                       "l14", "l15", "l16", "l17", "l18", "l19"};

// The fields typed straight in (no check on the way) and Calculate clicked: for states
// the field checks would not let through, which the command still has to handle.
void Typed(StartedWindow& window, int pair, const char* p, const char* first, const char* second) {
  window.logic.selectPair(pair - 1);
  window.logic.editField("Text2", window.local(p));
  window.logic.editField("Text3", window.local(first));
  window.logic.editField("Text4", window.local(second));
  window.model.focus = "Command1";
  window.logic.click("Command1");
}

std::array<std::string, 13> ResultTexts(const StartedWindow& window) {
  std::array<std::string, 13> texts;
  for (std::size_t i = 0; i < kResultLabels.size(); ++i) texts[i] = window.text(kResultLabels[i]);
  return texts;
}

class Calculate : public EitherSeparator {};

TEST_P(Calculate, TypicalRoadShowsTheThirteenResults) {
  window.calculateTypicalState();
  for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
    EXPECT_EQ(window.text(kResultLabels[i]), window.local(testing::kTypicalStateTexts[i])) << kResultLabels[i];
  }
  EXPECT_TRUE(window.visible("Frame2"));
  EXPECT_TRUE(window.enabled("Command2"));
  EXPECT_TRUE(window.enabled("Command3"));
  EXPECT_TRUE(window.platform.calls.empty());
}

TEST_P(Calculate, DryAirShowsTheDewPointOfPerfectlyDryAir) {
  window.enterPressure(1, "1.01325");
  ASSERT_TRUE(window.user.type("Text3", "30"));
  ASSERT_TRUE(window.user.type("Text4", "0"));
  ASSERT_TRUE(window.user.clickOn("Command1"));
  EXPECT_EQ(window.text("l10"), window.local("-273.00"));
  EXPECT_EQ(window.text("l15"), window.local("0.0"));
}

// State: results shown, then the first input emptied. Action: Calculate. Expected: one
// message for the first empty field, the focus there, the results as they were.
TEST_P(Calculate, EmptyFieldIsReportedOnceAndTheResultsStay) {
  window.calculateTypicalState();
  const auto before = ResultTexts(window);
  ASSERT_TRUE(window.user.clear("Text3"));
  ASSERT_TRUE(window.user.clear("Text4"));
  ASSERT_TRUE(window.user.clickOn("Command1"));
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0], (MessageBoxCall{"All fields require data", "Error", MessageIcon::Critical}));
  EXPECT_EQ(window.model.focus, "Text3");
  EXPECT_EQ(ResultTexts(window), before);
  EXPECT_TRUE(window.visible("Frame2"));
}

// A wet-bulb temperature above the dry-bulb passes the field check and is refused here:
// all three fields emptied, the focus in the pressure field.
TEST_P(Calculate, WetBulbAboveDryBulbEmptiesEveryField) {
  window.enterFirstInput(2, "1.01325", "20");
  ASSERT_TRUE(window.user.type("Text4", "25"));
  ASSERT_TRUE(window.user.clickOn("Command1"));
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0], (MessageBoxCall{"Wet bulb temperature must be less then Dry bulb temperature",
                                                         "Error", MessageIcon::Critical}));
  EXPECT_EQ(window.text("Text2"), "");
  EXPECT_EQ(window.text("Text3"), "");
  EXPECT_EQ(window.text("Text4"), "");
  EXPECT_EQ(window.model.focus, "Text2");
  EXPECT_FALSE(window.visible("Frame2"));
}

TEST_P(Calculate, WetBulbBelowThePossibleGivesNoResultsAndKeepsTheFields) {
  Typed(window, 2, "1.01325", "40", "5");
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0].text, "Wrong tdb or twb input");
  EXPECT_EQ(window.text("Text3"), "40");
  EXPECT_EQ(window.text("Text4"), "5");
  EXPECT_FALSE(window.visible("Frame2"));
  EXPECT_EQ(window.text("l7"), "");
}

TEST_P(Calculate, AbsoluteHumidityAboveSaturationEmptiesOnlyTheSecondInput) {
  Typed(window, 5, "1.01325", "20", "0.02");
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0].text, "Absolute humidity has to be less than xmax");
  EXPECT_EQ(window.text("Text2"), window.local("1.01325"));
  EXPECT_EQ(window.text("Text3"), "20");
  EXPECT_EQ(window.text("Text4"), "");
  EXPECT_EQ(window.model.focus, "Text4");
}

// Clicking Calculate from the first input of pair 2: its check sends the focus on to the
// second input, so the click does not calculate.
TEST_P(Calculate, ClickThatTheFirstInputRedirectsDoesNotCalculate) {
  window.enterPressure(2, "1.01325");
  ASSERT_TRUE(window.user.type("Text3", "20"));
  EXPECT_FALSE(window.user.clickOn("Command1"));
  EXPECT_EQ(window.model.focus, "Text4");
  EXPECT_TRUE(window.platform.messages.empty());
  EXPECT_FALSE(window.visible("Frame2"));
}

TEST_P(Calculate, NoPairSelectedShowsNothing) {
  Typed(window, 0, "1.01325", "20", "50");
  EXPECT_TRUE(window.platform.calls.empty());
  EXPECT_FALSE(window.visible("Frame2"));
  EXPECT_EQ(window.text("l7"), "");
}

// The selector's focus hides the results; a new Calculate shows them again, overwritten.
TEST_P(Calculate, ResultsHiddenBySelectorComeBackWithTheNextRun) {
  window.calculateTypicalState();
  ASSERT_TRUE(window.user.pick(0));
  EXPECT_FALSE(window.visible("Frame2"));
  window.calculateTypicalState();
  EXPECT_TRUE(window.visible("Frame2"));
  EXPECT_EQ(window.text("l15"), window.local("50.0"));
}

TEST_P(Calculate, ExcelRunsTheReportOnlyWhenEnabled) {
  int reports = 0;
  window.logic.setReportCommand([&reports] { ++reports; });
  EXPECT_FALSE(window.user.clickOn("Command3"));
  window.logic.click("Command3");
  EXPECT_EQ(reports, 0);
  window.calculateTypicalState();
  EXPECT_TRUE(window.user.clickOn("Command3"));
  EXPECT_EQ(reports, 1);
}

INSTANTIATE_TEST_SUITE_P(Separators, Calculate, ::testing::Values('.', ','), SeparatorName);

}  // namespace
}  // namespace vaporel::testing
