// The checks that run when the focus leaves an input field: the limits of each field,
// the boundary values an accepted field shows, and the refusal protocol (message box,
// field emptied, red and focused).

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "support/window_fixture.hpp"

namespace vaporel::testing {
namespace {

const char* const kLimitRowLabels[] = {"Label13", "Label15", "Label17", "Label16", "Label19", "Label21"};

void ExpectRefused(const StartedWindow& window, const char* field, const std::string& message) {
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0], (MessageBoxCall{message, "Error", MessageIcon::Critical}));
  EXPECT_EQ(window.text(field), "");
  EXPECT_EQ(window.model[field].background, kRed);
  EXPECT_EQ(window.model.focus, field);
}

void ExpectAccepted(const StartedWindow& window, const char* field) {
  EXPECT_TRUE(window.platform.messages.empty()) << window.platform.messages.front().text;
  EXPECT_EQ(window.model[field].background, kWhite);
}

// Only the labels named are visible among the panel's rows 2 and 3.
void ExpectRows2And3Showing(const StartedWindow& window, const std::vector<std::string>& shown) {
  for (const char* label : kLimitRowLabels) {
    const bool expected = std::find(shown.begin(), shown.end(), label) != shown.end();
    EXPECT_EQ(window.visible(label), expected) << label;
  }
}

constexpr const char* kPressureTooLow = "Invalid entries, ambient air pressure must be greater than 0.1 bar";

// ---- pressure field ----

struct PressureCase {
  int pair;
  const char* p;
  const char* tdbmax;  // Label12, or nullptr when refused
};

class PressureField : public ::testing::TestWithParam<std::tuple<char, PressureCase>> {};

TEST_P(PressureField, AcceptsWithinLimitsAndShowsTheMaximumDryBulb) {
  const auto& [separator, row] = GetParam();
  StartedWindow window(separator);
  ASSERT_TRUE(window.user.pick(row.pair - 1));
  ASSERT_TRUE(window.user.type("Text2", window.local(row.p)));
  const bool left = window.user.tab();
  if (!row.tdbmax) {
    EXPECT_FALSE(left);
    ExpectRefused(window, "Text2", kPressureTooLow);
    EXPECT_EQ(window.text("Label12"), "");  // the panel is not touched
    EXPECT_FALSE(window.visible("Label14"));
    return;
  }
  EXPECT_TRUE(left);
  ExpectAccepted(window, "Text2");
  EXPECT_EQ(window.model.focus, "Text3");
  EXPECT_EQ(window.text("Label12"), window.local(row.tdbmax));
  // Pair 4 keeps its tdbmax hidden: the first input is an absolute humidity.
  EXPECT_EQ(window.visible("Label12"), row.pair != 4);
  EXPECT_EQ(window.visible("Label14"), row.pair != 4);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PressureField,
    ::testing::Combine(::testing::Values('.', ','),
                       ::testing::Values(PressureCase{1, "0.05", nullptr}, PressureCase{2, "0", nullptr},
                                         PressureCase{2, "0.1", "45.9"}, PressureCase{1, "0.1", "41.3"},
                                         PressureCase{2, "1", "99.6"}, PressureCase{1, "1", "89.7"},
                                         PressureCase{2, "1.01325", "100.0"}, PressureCase{3, "1.01325", "100.0"},
                                         PressureCase{5, "1.01325", "100.0"}, PressureCase{1, "1.01325", "90.0"},
                                         PressureCase{4, "1.01325", "100.0"}, PressureCase{2, "10", "179.9"},
                                         PressureCase{1, "10", "161.9"})),
    [](const auto& test) {
      return RowName(std::get<0>(test.param), std::get<1>(test.param).pair, std::get<1>(test.param).p);
    });

class Fields : public EitherSeparator {};

TEST_P(Fields, EmptyPressureLeavesQuietlyAndWhite) {
  ASSERT_TRUE(window.user.type("Text2", window.local("0.05")));
  ASSERT_FALSE(window.user.tab());  // refused: empty and red now
  window.platform.clear();
  EXPECT_TRUE(window.user.tab());
  ExpectAccepted(window, "Text2");
  EXPECT_EQ(window.model.focus, "Text3");
  EXPECT_EQ(window.text("Label12"), "");
}

// State: pressure typed. Action: a click on Calculate. Expected: the accepted pressure
// sends the focus to Text3 and Calculate does not run.
TEST_P(Fields, AcceptedPressureSendsTheFocusToTheFirstInputWhateverTheTarget) {
  ASSERT_TRUE(window.user.type("Text2", window.local("1.01325")));
  EXPECT_FALSE(window.user.clickOn("Command1"));
  EXPECT_EQ(window.model.focus, "Text3");
  EXPECT_TRUE(window.platform.calls.empty());  // no "All fields require data"
}

// A new pressure hides rows 2 and 3; they come back only with the first input's next check.
TEST_P(Fields, NewPressureHidesTheSecondInputLimits) {
  window.enterFirstInput(2, "1.01325", "20");
  ASSERT_TRUE(window.user.clear("Text2"));
  ASSERT_TRUE(window.user.type("Text2", "2"));
  EXPECT_TRUE(window.user.tab());
  ExpectRows2And3Showing(window, {});
  EXPECT_EQ(window.text("Label19"), window.local("5.7"));
}

// ---- first input field ----

constexpr const char* kAboveBoiling = "Dry bulb temperature is higher then water boiling temperaure";

struct FirstCase {
  int pair;
  const char* value;
  const char* refusal;      // nullptr: accepted
  const char* secondLimit;  // Label19 when accepted ("" for none, nullptr: not looked at)
  const char* showsHmax;    // Label21 when accepted ("" for none)
  std::vector<std::string> shown;
};

class FirstInputField : public ::testing::TestWithParam<std::tuple<char, FirstCase>> {};

TEST_P(FirstInputField, TestsTheValueAndFillsTheLimitsOfTheSecond) {
  const auto& [separator, row] = GetParam();
  StartedWindow window(separator);
  window.enterPressure(row.pair, "1.01325");
  ASSERT_TRUE(window.user.type("Text3", window.local(row.value)));
  window.user.tab();
  if (row.refusal) {
    ExpectRefused(window, "Text3", row.refusal);
    ExpectRows2And3Showing(window, {});
    return;
  }
  ExpectAccepted(window, "Text3");
  EXPECT_EQ(window.model.focus, "Text4");
  ExpectRows2And3Showing(window, row.shown);
  if (row.secondLimit) {
    EXPECT_EQ(window.text("Label19"), window.local(row.secondLimit));
  }
  EXPECT_EQ(window.text("Label21"), window.local(row.showsHmax));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FirstInputField,
    ::testing::Combine(
        ::testing::Values('.', ','),
        ::testing::Values(FirstCase{1, "89.9", nullptr, "", "", {}}, FirstCase{1, "90", kAboveBoiling, "", "", {}},
                          FirstCase{2, "99.9", nullptr, nullptr, "", {"Label13", "Label19"}},
                          FirstCase{2, "100", kAboveBoiling, "", "", {}},
                          FirstCase{2, "20", nullptr, "5.7", "", {"Label13", "Label19"}},
                          FirstCase{2, "0", nullptr, "-5.8", "", {"Label13", "Label19"}},
                          FirstCase{3, "20", nullptr, "20.1", "55.4", {"Label15", "Label16", "Label19", "Label21"}},
                          FirstCase{4, "0.01", nullptr, "39.4", "127.7", {"Label15", "Label16", "Label19", "Label21"}},
                          FirstCase{4, "0", nullptr, "-269.8", "100.8", {"Label15", "Label16", "Label19", "Label21"}},
                          FirstCase{5, "20", nullptr, "0.01468", "", {"Label17", "Label19"}})),
    [](const auto& test) {
      return RowName(std::get<0>(test.param), std::get<1>(test.param).pair, std::get<1>(test.param).value);
    });

// Back from the first input with Shift+Tab: pair 1 lets the user go, pair 2 sends the
// focus on to the second input.
TEST_P(Fields, FirstInputOfPairOneLeavesTheFocusWhereTheUserMovedIt) {
  window.enterPressure(1, "1.01325");
  ASSERT_TRUE(window.user.type("Text3", "20"));
  EXPECT_TRUE(window.user.shiftTab());
  EXPECT_EQ(window.model.focus, "Text2");
}

TEST_P(Fields, FirstInputOfPairTwoSendsTheFocusToTheSecond) {
  window.enterPressure(2, "1.01325");
  ASSERT_TRUE(window.user.type("Text3", "20"));
  EXPECT_FALSE(window.user.shiftTab());
  EXPECT_EQ(window.model.focus, "Text4");
}

TEST_P(Fields, FirstInputWithoutAPressureIsRefused) {
  ASSERT_TRUE(window.user.pick(1));
  ASSERT_TRUE(window.user.type("Text3", "20"));
  EXPECT_FALSE(window.user.tab());
  ExpectRefused(window, "Text3", "Invalid entries, please enter the pressure first");
}

TEST_P(Fields, RefusedFirstInputKeepsRowsHiddenWithTheirOldText) {
  window.enterFirstInput(2, "1.01325", "20");
  ASSERT_TRUE(window.user.clear("Text3"));
  ASSERT_TRUE(window.user.type("Text3", "100"));
  EXPECT_FALSE(window.user.tab());
  ExpectRows2And3Showing(window, {});
  EXPECT_EQ(window.text("Label19"), window.local("5.7"));
  EXPECT_TRUE(window.visible("Label12"));
}

// ---- second input field ----

struct SecondCase {
  int pair;
  const char* first;
  const char* value;
  const char* refusal;  // nullptr: accepted
};

constexpr const char* kWetBulb = "Invalid entries, Wet Bulb Temperature > twbmin and < tdb";
constexpr const char* kSaturated = "Invalid entries, Enthalpy in sturated region must be between hmin and hmax";
constexpr const char* kWrittenRange = "Invalid entries, Enthalpy must be in written range";
constexpr const char* kXmax = "Invalid entries, Absolute humidity must be less than xmax";

class SecondInputField : public ::testing::TestWithParam<std::tuple<char, SecondCase>> {};

TEST_P(SecondInputField, TestsTheValueAgainstThePairsLimits) {
  const auto& [separator, row] = GetParam();
  StartedWindow window(separator);
  if (row.pair == 1) {
    window.enterPressure(1, "1.01325");
    ASSERT_TRUE(window.user.type("Text3", window.local(row.first)));
  } else {
    window.enterFirstInput(row.pair, "1.01325", row.first);
  }
  ASSERT_TRUE(window.user.type("Text4", window.local(row.value)));
  const bool left = window.user.tab();
  if (row.refusal) {
    EXPECT_FALSE(left);
    ExpectRefused(window, "Text4", row.refusal);
  } else {
    EXPECT_TRUE(left);
    ExpectAccepted(window, "Text4");
    EXPECT_EQ(window.model.focus, "Command1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SecondInputField,
    ::testing::Combine(::testing::Values('.', ','),
                       ::testing::Values(SecondCase{1, "20", "100", nullptr}, SecondCase{1, "20", "0", nullptr},
                                         SecondCase{2, "20", "5.7", nullptr}, SecondCase{2, "20", "5.6", kWetBulb},
                                         SecondCase{2, "20", "25", nullptr}, SecondCase{3, "20", "20.08", nullptr},
                                         SecondCase{3, "20", "20", kSaturated}, SecondCase{3, "20", "56", nullptr},
                                         SecondCase{3, "20", "58", kSaturated}, SecondCase{4, "0.01", "39.4", nullptr},
                                         SecondCase{4, "0.01", "127.7", nullptr},
                                         SecondCase{4, "0.01", "30", kWrittenRange},
                                         SecondCase{5, "20", "0.01468", nullptr},
                                         SecondCase{5, "20", "0.01469", kXmax})),
    [](const auto& test) {
      return RowName(std::get<0>(test.param), std::get<1>(test.param).pair, std::get<1>(test.param).value);
    });

// Pair 4 rewrites its limits before testing, so they stand after a refusal too.
TEST_P(Fields, PairFourLimitsStandAfterARefusedEnthalpy) {
  window.enterFirstInput(4, "1.01325", "0.01");
  window.model["Label19"].text = "";
  window.model["Label21"].text = "";
  ASSERT_TRUE(window.user.type("Text4", "30"));
  EXPECT_FALSE(window.user.tab());
  EXPECT_EQ(window.text("Label19"), window.local("39.4"));
  EXPECT_EQ(window.text("Label21"), window.local("127.7"));
}

TEST_P(Fields, SecondInputWithoutTheFirstInputsLimitIsRefused) {
  window.enterPressure(2, "1.01325");
  EXPECT_TRUE(window.user.tab());  // Text3 left empty
  ASSERT_TRUE(window.user.type("Text4", "5"));
  EXPECT_FALSE(window.user.tab());
  ExpectRefused(window, "Text4", "Invalid entries, please enter the first input first");
}

INSTANTIATE_TEST_SUITE_P(Separators, Fields, ::testing::Values('.', ','), SeparatorName);

}  // namespace
}  // namespace vaporel::testing
