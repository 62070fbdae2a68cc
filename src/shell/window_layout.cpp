#include "shell/window_layout.hpp"

#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

constexpr FontSpec kPlain9{9, false, false};
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

std::vector<ControlLayout> BuildLayout() {
  std::vector<ControlLayout> l = {
      // title band
      {control::TitleFrame, ControlKind::Frame, "", 240, 120, 7215, 1335, {9.75, true, false}, Ink::Black},
      {control::SoftwareLabel, ControlKind::Label, control::TitleFrame, 240, 240, 1695, 255, {9.75, true, true}},
      {control::VersionLabel,
       ControlKind::Label,
       control::TitleFrame,
       5520,
       240,
       1575,
       225,
       {9, true, false},
       Ink::DarkGrey,
       kRight},
      {control::TitleLabel, ControlKind::Label, control::TitleFrame, 240, 600, 6615, 330, {12, true, false}},
      {control::BasedOnLabel,
       ControlKind::Label,
       control::TitleFrame,
       2640,
       960,
       4455,
       255,
       {9.75, false, true},
       Ink::DarkGrey,
       kRight},
      {control::CreditsFrame, ControlKind::Frame, "", 7920, 360, 4215, 975, {8.25, true, true}, Ink::Black},
      {control::CreditsLabel,
       ControlKind::Label,
       control::CreditsFrame,
       120,
       360,
       3975,
       495,
       {9.75, true, false},
       Ink::Black,
       Qt::AlignLeft | Qt::AlignTop,
       true},
      {control::TitleRule, ControlKind::Line, "", 0, 1560, 13440, 0, kPlain9},
      // selection
      {control::SelectionCaption, ControlKind::Label, "", 360, 1680, 3135, 375, {14.25, true, false}, Ink::Black},
      {control::PairSelector, ControlKind::Selector, "", 240, 2160, 5295, 390, {11.25, false, false}},
      // input frame
      {control::InputFrame, ControlKind::Frame, "", 240, 2760, 4935, 1695, {14.25, true, false}, Ink::Black},
      {control::PressureCaption, ControlKind::Label, control::InputFrame, 120, 480, 3135, 315, kPlain9, Ink::DarkGrey,
       kRight},
      {control::PressureField, ControlKind::Field, control::InputFrame, 3480, 480, 1215, 315, kPlain9, Ink::DarkGrey,
       kCentre},
      {control::FirstInputCaption, ControlKind::Label, control::InputFrame, 120, 840, 3135, 315, kPlain9, Ink::DarkGrey,
       kRight},
      {control::FirstInputField, ControlKind::Field, control::InputFrame, 3480, 840, 1215, 315, kPlain9, Ink::DarkGrey,
       kCentre},
      {control::SecondInputCaption, ControlKind::Label, control::InputFrame, 120, 1200, 3135, 315, kPlain9,
       Ink::DarkGrey, kRight},
      {control::SecondInputField, ControlKind::Field, control::InputFrame, 3480, 1200, 1215, 315, kPlain9,
       Ink::DarkGrey, kCentre},
      // command buttons
      {control::CalculateButton, ControlKind::Button, "", 5340, 2880, 1455, 495, {12, true, false}},
      {control::ResetButton, ControlKind::Button, "", 5340, 3480, 1455, 495, {12, true, false}},
      {control::ExcelButton, ControlKind::Button, "", 5340, 4080, 1455, 495, {12, true, false}},
      // boundary values panel; the second row's three captions overlap
      {control::BoundaryFrame, ControlKind::Frame, "", 240, 4920, 6255, 1815, {14.25, true, false}, Ink::Black},
      {control::TdbmaxCaption, ControlKind::Label, control::BoundaryFrame, 360, 600, 4215, 255, kPlain9, Ink::DarkGrey,
       kRight},
      {control::TdbmaxValue,
       ControlKind::ValueBox,
       control::BoundaryFrame,
       4800,
       600,
       1200,
       260,
       {9, true, false},
       Ink::DarkGrey,
       kCentre},
      {control::TwbminCaption, ControlKind::Label, control::BoundaryFrame, 360, 960, 4215, 255, kPlain9, Ink::DarkGrey,
       kRight},
      {control::XmaxCaption, ControlKind::Label, control::BoundaryFrame, 480, 960, 4095, 255, kPlain9, Ink::DarkGrey,
       kRight},
      {control::HminCaption, ControlKind::Label, control::BoundaryFrame, 960, 960, 3615, 375, kPlain9, Ink::DarkGrey,
       Qt::AlignRight | Qt::AlignTop},
      {control::SecondLimitValue,
       ControlKind::ValueBox,
       control::BoundaryFrame,
       4800,
       960,
       1200,
       255,
       {9, true, false},
       Ink::DarkGrey,
       kCentre},
      {control::HmaxCaption, ControlKind::Label, control::BoundaryFrame, 1440, 1320, 3135, 255, kPlain9, Ink::DarkGrey,
       kRight},
      {control::HmaxValue,
       ControlKind::ValueBox,
       control::BoundaryFrame,
       4800,
       1320,
       1200,
       255,
       {9, true, false},
       Ink::DarkGrey,
       kCentre},
      // busy panel
      {control::BusyPanel, ControlKind::Frame, "", 240, 6960, 6255, 1095, {14.25, false, false}},
      {control::BusyMessage,
       ControlKind::Label,
       control::BusyPanel,
       1200,
       240,
       3735,
       735,
       {14.25, false, false},
       Ink::BusyText,
       kCentre,
       true},
      // output frame
      {control::OutputFrame, ControlKind::Frame, "", 6960, 1680, 5895, 6375, {14.25, true, false}, Ink::Black},
      {control::ThermodynamicHeading, ControlKind::Label, control::OutputFrame, 240, 480, 4455, 375, {12, true, false}},
      {control::ThermodynamicRule, ControlKind::Line, control::OutputFrame, 240, 840, 5520, 0, kPlain9},
      {control::ThermophysicalHeading,
       ControlKind::Label,
       control::OutputFrame,
       240,
       4320,
       4575,
       375,
       {12, true, false}},
      {control::ThermophysicalRule, ControlKind::Line, control::OutputFrame, 240, 4680, 5520, 0, kPlain9},
      // status bar
      {control::StatusBar, ControlKind::StatusBar, "", 0, 8190, 13440, 255, kPlain9},
  };

  // Result rows, 360 twips apart: caption ending at x 4215, value box at x 4440.
  struct Row {
    std::string_view caption;
    std::string_view result;
    int top;
  };
  constexpr Row kRows[] = {
      {control::PressureResultCaption, control::PressureResult, 1080},
      {control::TdbResultCaption, control::TdbResult, 1440},
      {control::TwbResultCaption, control::TwbResult, 1800},
      {control::TdpResultCaption, control::TdpResult, 2160},
      {control::XResultCaption, control::XResult, 2520},
      {control::RoResultCaption, control::RoResult, 2880},
      {control::HResultCaption, control::HResult, 3240},
      {control::PvResultCaption, control::PvResult, 3600},
      {control::RhResultCaption, control::RhResult, 3960},
      {control::CpResultCaption, control::CpResult, 4800},
      {control::LamResultCaption, control::LamResult, 5160},
      {control::MiResultCaption, control::MiResult, 5520},
      {control::PrResultCaption, control::PrResult, 5880},
  };
  for (const Row& row : kRows) {
    l.push_back({row.caption, ControlKind::Label, control::OutputFrame, 120, row.top, 4095, 255, kPlain9, Ink::DarkGrey,
                 kRight});
    const int height = row.top == 1080 ? 260 : 255;
    l.push_back({row.result, ControlKind::ResultBox, control::OutputFrame, 4440, row.top, 1200, height, kPlain9,
                 Ink::DarkGrey, kCentre});
  }
  return l;
}

}  // namespace

const std::vector<ControlLayout>& MainWindowLayout() {
  static const std::vector<ControlLayout> layout = BuildLayout();
  return layout;
}

}  // namespace vaporel
