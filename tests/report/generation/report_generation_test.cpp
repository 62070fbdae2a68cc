// The "Excel" command against a fake spreadsheet and a recording desktop: the order
// of the steps, the busy state around them, and the one failure path.

#include "report/report_generation.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/recording_platform.hpp"
#include "window/report/excel_command.hpp"

namespace vaporel {
namespace {

// What the window looked like at one moment.
struct Seen {
  std::string event;
  bool busyPointer;
  bool frame4Visible;
};

// What the window looked like at every step: the desktop's calls, the workbook's and the
// report window's, in order.
class Timeline {
 public:
  Timeline(const MainWindowModel& model, testing::RecordingPlatform& platform) : model_(model) {
    platform.observe = [this](const std::string& call) { record(call.rfind("message", 0) == 0 ? "messageBox" : call); };
  }
  std::vector<Seen> seen;

  void record(std::string event) { seen.push_back({std::move(event), model_.busyPointer, model_["Frame4"].visible}); }

 private:
  const MainWindowModel& model_;
};

// Records the calls; fails the call numbered `failAt` (0 = open).
class FakeSpreadsheet : public Spreadsheet {
 public:
  FakeSpreadsheet(Timeline& timeline, std::optional<int> failAt) : timeline_(timeline), failAt_(failAt) {}
  std::vector<std::string> calls;

  xls::Status open(const std::string& path) override { return step("open " + path); }
  xls::Status selectSheet(std::string_view name) override { return step("sheet " + std::string(name)); }
  xls::Status setCell(std::string_view reference, std::string_view text) override {
    return step("set " + std::string(reference) + "=" + std::string(text));
  }
  xls::Status save() override { return step("save"); }

 private:
  xls::Status step(std::string call) {
    timeline_.record(call);
    const bool fail = failAt_ && *failAt_ == static_cast<int>(calls.size());
    calls.push_back(std::move(call));
    if (fail) return xls::Error{xls::ErrorCode::Damaged, "fake failure"};
    return xls::Done{};
  }
  Timeline& timeline_;
  std::optional<int> failAt_;
};

class FakeWindow : public ReportWindow {
 public:
  FakeWindow(Timeline& timeline, bool succeeds) : timeline_(timeline), succeeds_(succeeds) {}
  std::vector<std::string> shown;
  bool showReport(const std::string& path) override {
    timeline_.record("showReport");
    shown.push_back(path);
    return succeeds_;
  }

 private:
  Timeline& timeline_;
  bool succeeds_;
};

// A window after a calculation with pair 1 at 1 bar, 20 °C, 50 %.
MainWindowModel CalculatedWindow() {
  MainWindowModel model;
  model["Label7"].text = "Dry bulb temperature [oC] ";
  model["Label8"].text = "Relative humidity [%] ";
  model["Text2"].text = "1";
  model["Text3"].text = "20";
  model["Text4"].text = "50";
  const char* results[] = {"1.000",   "20.000", "13.816", "9.267", "0.00733",   "1.183", "38.685",
                           "0.01170", "50.000", "1.014",  "0.026", "1.803E-05", "0.710"};
  for (int i = 0; i < 13; ++i) model["l" + std::to_string(7 + i)].text = results[i];
  model["Command3"].enabled = true;
  return model;
}

const std::string kPath = "/opt/vaporel/Vaporel.xls";

// State: a calculated window. Action: Excel. Expected: busy shown and painted before the
// workbook is opened, the 18 cells in the map's order with the shown texts, saved, busy
// removed before the window opens on the saved path, and no message.
TEST(GenerateReport, WritesTheCellsInOrderThenShowsTheWindow) {
  MainWindowModel model = CalculatedWindow();
  testing::RecordingPlatform platform;
  Timeline timeline(model, platform);
  FakeSpreadsheet sheet(timeline, std::nullopt);
  FakeWindow window(timeline, true);

  EXPECT_TRUE(GenerateReport(model, platform, sheet, window, kPath));

  const std::vector<std::string> expected = {"open " + kPath,
                                             "sheet Vaporel",
                                             "set A5=Dry bulb temperature [oC] ",
                                             "set A6=Relative humidity [%] ",
                                             "set B4=1",
                                             "set B5=20",
                                             "set B6=50",
                                             "set B9=1.000",
                                             "set B10=20.000",
                                             "set B11=13.816",
                                             "set B12=9.267",
                                             "set B13=0.00733",
                                             "set B14=1.183",
                                             "set B15=38.685",
                                             "set B16=0.01170",
                                             "set B17=50.000",
                                             "set B20=1.014",
                                             "set B21=0.026",
                                             "set B22=1.803E-05",
                                             "set B23=0.710",
                                             "save"};
  EXPECT_EQ(sheet.calls, expected);
  ASSERT_EQ(window.shown, std::vector<std::string>{kPath});
  EXPECT_TRUE(platform.messages.empty());

  ASSERT_GE(timeline.seen.size(), 3u);
  EXPECT_EQ(timeline.seen[0].event, "repaint");
  EXPECT_TRUE(timeline.seen[0].busyPointer);
  EXPECT_TRUE(timeline.seen[0].frame4Visible);
  for (const Seen& s : timeline.seen) {
    if (s.event.rfind("open", 0) == 0 || s.event.rfind("set", 0) == 0 || s.event == "save") {
      EXPECT_TRUE(s.busyPointer && s.frame4Visible) << s.event;
    }
    if (s.event == "showReport") {
      EXPECT_FALSE(s.busyPointer || s.frame4Visible);
    }
  }
  EXPECT_FALSE(model.busyPointer);
  EXPECT_FALSE(model["Frame4"].visible);
}

// State: a field edited after the calculation. Action: Excel. Expected: the field is
// written as it now stands, beside the earlier results.
TEST(GenerateReport, WritesFieldTextsAsTheyStand) {
  MainWindowModel model = CalculatedWindow();
  model["Text3"].text = "25,";
  testing::RecordingPlatform platform;
  Timeline timeline(model, platform);
  FakeSpreadsheet sheet(timeline, std::nullopt);
  FakeWindow window(timeline, true);
  GenerateReport(model, platform, sheet, window, kPath);
  ASSERT_EQ(sheet.calls.size(), 21u);
  EXPECT_EQ(sheet.calls[5], "set B5=25,");
  EXPECT_EQ(sheet.calls[8], "set B10=20.000");
}

// State: the workbook fails at one step (open, the sheet, the first, a middle and the
// last cell, the save) or the window cannot be shown. Action: Excel. Expected: the work
// stops there (nothing is saved after a failed cell), the busy state is gone, exactly
// one "ERROR" box with the critical icon and the two lines joined by CR LF.
class GenerateReportFailure : public ::testing::TestWithParam<int> {};

TEST_P(GenerateReportFailure, StopsAndShowsTheReportError) {
  const int failAt = GetParam();  // 0 open, 1 sheet, 2..19 cells, 20 save, 21 the window
  MainWindowModel model = CalculatedWindow();
  testing::RecordingPlatform platform;
  Timeline timeline(model, platform);
  FakeSpreadsheet sheet(timeline, failAt <= 20 ? std::optional<int>(failAt) : std::nullopt);
  FakeWindow window(timeline, failAt != 21);

  EXPECT_FALSE(GenerateReport(model, platform, sheet, window, kPath));

  EXPECT_EQ(sheet.calls.size(), static_cast<std::size_t>(std::min(failAt, 20) + 1));
  if (failAt < 20) {
    EXPECT_NE(sheet.calls.back(), "save");
  }
  EXPECT_EQ(window.shown.size(), failAt == 21 ? 1u : 0u);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "ERROR");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(platform.messages[0].text,
            "An error ocured while your report was generated.\r\n"
            "Please check if you have Microsoft Excel installed on your computer.");
  // The box appears over a window that is no longer busy.
  EXPECT_EQ(timeline.seen.back().event, "messageBox");
  EXPECT_FALSE(timeline.seen.back().busyPointer);
  EXPECT_FALSE(timeline.seen.back().frame4Visible);
  EXPECT_FALSE(model.busyPointer);
  EXPECT_FALSE(model["Frame4"].visible);
}

INSTANTIATE_TEST_SUITE_P(EachStep, GenerateReportFailure, ::testing::Values(0, 1, 2, 11, 19, 20, 21));

}  // namespace
}  // namespace vaporel
