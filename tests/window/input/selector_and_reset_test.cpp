// The input-pair selector, its focus handler, Reset, and a refused field holding the
// focus against both.

#include <string>
#include <tuple>

#include "support/window_fixture.hpp"

namespace vaporel::testing {
namespace {

const char* const kBoundaryLabels[] = {"Label14", "Label12", "Label13", "Label17",
                                       "Label15", "Label19", "Label16", "Label21"};

// Inputs and results wiped: what the selector's focus and Reset both leave.
void ExpectInputsWiped(const StartedWindow& window) {
  for (const char* field : {"Text2", "Text3", "Text4"}) EXPECT_EQ(window.text(field), "") << field;
  EXPECT_FALSE(window.visible("Frame2"));
  EXPECT_FALSE(window.enabled("Command2"));
  EXPECT_FALSE(window.enabled("Command3"));
  EXPECT_TRUE(window.enabled("Command1"));
  EXPECT_EQ(window.model["Combo1"].listIndex, 0);
}

struct CaptionCase {
  int entry;
  const char* first;
  const char* second;
};

class PairCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(PairCaptions, PickingAnEntryRelabelsTheInputs) {
  StartedWindow window('.');
  ASSERT_TRUE(window.user.pick(GetParam().entry));
  EXPECT_EQ(window.model["Combo1"].listIndex, GetParam().entry);
  EXPECT_EQ(window.text("Label7"), GetParam().first);
  EXPECT_EQ(window.text("Label8"), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Entries, PairCaptions,
                         ::testing::Values(CaptionCase{0, "Dry bulb temperature [oC] ", "Relative humidity [%] "},
                                           CaptionCase{1, "Dry bulb temperature [oC] ", "Wet bulb temperature [oC] "},
                                           CaptionCase{2, "Dry bulb temperature [oC] ", "Enthalpy [kJ/kg] "},
                                           CaptionCase{3, "Absolute humidity [-] ", "Enthalpy [kJ/kg] "},
                                           CaptionCase{4, "Dry Bulb Temperature [oC] ", "Absolute Humidity [-] "}));

class Selector : public EitherSeparator {};

// State: results shown. Action: the selector receives the focus, no new entry picked.
// Expected: all three fields empty, the pressure included, results hidden, Reset and Excel off.
TEST_P(Selector, ReceivingTheFocusWipesInputsAndResults) {
  window.calculateTypicalState();
  ASSERT_TRUE(window.user.focus("Combo1"));
  ExpectInputsWiped(window);
  // The panel is the selection's business, not the focus handler's.
  EXPECT_EQ(window.text("Label12"), window.local("90.0"));
  EXPECT_TRUE(window.visible("Label12"));
}

// The selection alone (a pick while the focus is elsewhere) hides the boundary values but
// leaves the fields, the results and the follow-up commands as they are.
TEST_P(Selector, SelectionAloneKeepsFieldsAndResults) {
  window.calculateTypicalState();
  window.logic.selectPair(3);
  EXPECT_EQ(window.text("Label7"), "Absolute humidity [-] ");
  EXPECT_EQ(window.text("Text2"), window.local("1.01325"));
  EXPECT_EQ(window.text("Text3"), "20");
  EXPECT_TRUE(window.visible("Frame2"));
  EXPECT_TRUE(window.enabled("Command2"));
  EXPECT_TRUE(window.enabled("Command3"));
  for (const char* label : kBoundaryLabels) {
    if (std::string(label) != "Label14") {
      EXPECT_FALSE(window.visible(label)) << label;
    }
  }
  EXPECT_TRUE(window.visible("Label14"));
}

TEST_P(Selector, ResetWipesInputsLimitsAndResultsAndFocusesThePressure) {
  window.calculateTypicalState();
  ASSERT_TRUE(window.user.clickOn("Command2"));
  ExpectInputsWiped(window);
  EXPECT_EQ(window.text("Label12"), "");
  EXPECT_EQ(window.text("Label19"), "");
  EXPECT_EQ(window.text("Label21"), "");
  // A caption that was shown stays, now beside an empty value.
  EXPECT_TRUE(window.visible("Label14"));
  EXPECT_TRUE(window.visible("Label12"));
  EXPECT_EQ(window.model.focus, "Text2");
  EXPECT_EQ(window.text("Label7"), "Dry bulb temperature [oC] ");
  EXPECT_TRUE(window.platform.calls.empty());
}

// After Reset the panel holds no limits: a first input cannot be tested and is refused.
TEST_P(Selector, AfterResetTheFirstInputAsksForThePressure) {
  window.calculateTypicalState();
  ASSERT_TRUE(window.user.clickOn("Command2"));
  ASSERT_TRUE(window.user.type("Text3", "20"));
  EXPECT_FALSE(window.user.tab());
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0].text, "Invalid entries, please enter the pressure first");
  EXPECT_EQ(window.model.focus, "Text3");
  EXPECT_EQ(window.model["Text3"].background, kRed);
}

INSTANTIATE_TEST_SUITE_P(Separators, Selector, ::testing::Values('.', ','), SeparatorName);

// State: results shown, a pressure below 0.1 bar typed. Action: a click on the selector
// or on Reset. Expected: the pressure is refused and keeps the focus; neither the
// selector's focus handler nor Reset runs, so the other inputs and the results stay.
class RefusedFieldHoldsFocus : public ::testing::TestWithParam<std::tuple<char, const char*>> {};

TEST_P(RefusedFieldHoldsFocus, AgainstSelectorAndReset) {
  const auto& [separator, target] = GetParam();
  StartedWindow window(separator);
  window.calculateTypicalState();
  ASSERT_TRUE(window.user.clear("Text2"));
  ASSERT_TRUE(window.user.type("Text2", window.local("0.05")));
  EXPECT_FALSE(window.user.clickOn(target));
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0],
            (MessageBoxCall{"Invalid entries, ambient air pressure must be greater than 0.1 bar", "Error",
                            MessageIcon::Critical}));
  EXPECT_EQ(window.model.focus, "Text2");
  EXPECT_EQ(window.text("Text2"), "");
  EXPECT_EQ(window.model["Text2"].background, kRed);
  EXPECT_EQ(window.text("Text3"), "20");
  EXPECT_EQ(window.text("Text4"), "50");
  EXPECT_EQ(window.text("Label12"), window.local("90.0"));
  EXPECT_TRUE(window.visible("Frame2"));
  EXPECT_TRUE(window.enabled("Command2"));
}

INSTANTIATE_TEST_SUITE_P(Targets, RefusedFieldHoldsFocus,
                         ::testing::Combine(::testing::Values('.', ','), ::testing::Values("Combo1", "Command2")),
                         [](const auto& test) {
                           return std::string(std::get<1>(test.param)) + SeparatorSuffix(std::get<0>(test.param));
                         });

}  // namespace
}  // namespace vaporel::testing
