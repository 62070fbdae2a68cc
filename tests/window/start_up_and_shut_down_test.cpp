// The window's load and unload, its start state, the tab order and the two menu commands.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/window_fixture.hpp"

namespace vaporel::testing {
namespace {

const char* const kBoundaryLabels[] = {"Label14", "Label12", "Label13", "Label17",
                                       "Label15", "Label19", "Label16", "Label21"};

class StartUp : public EitherSeparator {};

TEST_P(StartUp, ShowsTheFirstPairReadyForInput) {
  const MainWindowModel& model = window.model;
  EXPECT_EQ(model["Combo1"].listIndex, 0);
  EXPECT_EQ(model.focus, "Combo1");
  EXPECT_EQ(model["Label7"].text, "Dry bulb temperature [oC] ");
  EXPECT_EQ(model["Label8"].text, "Relative humidity [%] ");
  EXPECT_TRUE(model["Frame1"].visible);
  for (const char* field : {"Text2", "Text3", "Text4"}) {
    EXPECT_TRUE(model[field].enabled) << field;
    EXPECT_EQ(model[field].text, "") << field;
  }
  EXPECT_TRUE(model["Command1"].visible && model["Command1"].enabled);
  EXPECT_TRUE(model["Command2"].visible);
  EXPECT_FALSE(model["Command2"].enabled);
  EXPECT_TRUE(model["Command3"].visible);
  EXPECT_FALSE(model["Command3"].enabled);
  EXPECT_TRUE(model["Frame3"].visible);
  for (const char* label : kBoundaryLabels) EXPECT_FALSE(model[label].visible) << label;
  EXPECT_FALSE(model["Frame2"].visible);
  EXPECT_FALSE(model["Frame4"].visible);
  EXPECT_TRUE(model["Label11"].visible && model["StatusBar1"].visible && model["Frame5"].visible);
}

TEST_P(StartUp, StatusBarNamesTheDecimalSeparator) {
  EXPECT_EQ(window.text("StatusBar1"), std::string("Note: As a decimal separator use ") + GetParam());
}

// Tab walks Combo1, Text2, Text3, Text4, Command1 and skips the disabled Reset and Excel;
// coming round to Combo1 runs its focus handler like any other arrival.
TEST_P(StartUp, TabFollowsTheTabOrderSkippingDisabledButtons) {
  std::vector<std::string> visited;
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(window.user.tab());
    visited.push_back(window.model.focus);
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"Text2", "Text3", "Text4", "Command1", "Combo1"}));
  EXPECT_TRUE(window.user.shiftTab());
  EXPECT_EQ(window.model.focus, "Command1");
  EXPECT_TRUE(window.platform.calls.empty());
}

TEST_P(StartUp, TabReachesResetAndExcelOnceResultsAreShown) {
  window.calculateTypicalState();
  ASSERT_TRUE(window.user.tab());
  EXPECT_EQ(window.model.focus, "Command2");
  ASSERT_TRUE(window.user.tab());
  EXPECT_EQ(window.model.focus, "Command3");
}

INSTANTIATE_TEST_SUITE_P(Separators, StartUp, ::testing::Values('.', ','), SeparatorName);

// ---- shut-down and menus ----

class ShutDown : public EitherSeparator {};

TEST_P(ShutDown, WritesThePlacementInTwipsInOrder) {
  window.logic.unload({-150, 1200, 13560, 9225, false});
  EXPECT_EQ(
      window.platform.calls,
      (std::vector<std::string>{"save Vaporel/Settings/MainLeft=-150", "save Vaporel/Settings/MainTop=1200",
                                "save Vaporel/Settings/MainWidth=13560", "save Vaporel/Settings/MainHeight=9225"}));
}

TEST_P(ShutDown, MinimizedWritesNothing) {
  window.logic.unload({0, 0, 13560, 9225, true});
  EXPECT_TRUE(window.platform.calls.empty());
}

TEST_P(ShutDown, ExitEndsAtOnceWithoutSettingsOrChecks) {
  ASSERT_TRUE(window.user.type("Text2", "0"));  // would be refused if the check ran
  window.logic.menuExit();
  EXPECT_EQ(window.platform.calls, std::vector<std::string>{"end"});
}

INSTANTIATE_TEST_SUITE_P(Separators, ShutDown, ::testing::Values('.', ','), SeparatorName);

class PropertiesMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("vaporel-properties-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    window.platform.folder = folder.string();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  void supplyDocument() { std::ofstream(folder / "For Soft.doc") << "reference"; }

  std::filesystem::path folder;
  StartedWindow window{'.'};
};

constexpr const char* kCannotOpen = "The reference document For Soft.doc could not be opened.";

TEST_F(PropertiesMenu, OpensTheReferenceDocumentInTheProgramFolder) {
  supplyDocument();
  window.logic.menuProperties();
  EXPECT_EQ(window.platform.calls, std::vector<std::string>{"open " + (folder / "For Soft.doc").string()});
}

TEST_F(PropertiesMenu, MissingDocumentIsReportedAndTheProgramGoesOn) {
  window.logic.menuProperties();
  EXPECT_EQ(window.platform.calls, std::vector<std::string>{std::string("message Error critical: ") + kCannotOpen});
  EXPECT_TRUE(window.user.type("Text2", "1"));
}

TEST_F(PropertiesMenu, FailingViewerIsReported) {
  supplyDocument();
  window.platform.documentOpens = false;
  window.logic.menuProperties();
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0], (MessageBoxCall{kCannotOpen, "Error", MessageIcon::Critical}));
  EXPECT_EQ(window.platform.calls.back().rfind("message", 0), 0u);
}

}  // namespace
}  // namespace vaporel::testing
