#include "shell/window_layout.hpp"

namespace vaporel {
namespace {

constexpr FontSpec kPlain9{9, false, false};
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

std::vector<ControlLayout> buildLayout() {
  std::vector<ControlLayout> l = {
      // title band
      {"Frame5", ControlKind::Frame, "", 240, 120, 7215, 1335, {9.75, true, false}, Ink::Black},
      {"Label31", ControlKind::Label, "Frame5", 240, 240, 1695, 255, {9.75, true, true}},
      {"lblVersion", ControlKind::Label, "Frame5", 5520, 240, 1575, 225, {9, true, false}, Ink::DarkGrey, kRight},
      {"Label32", ControlKind::Label, "Frame5", 240, 600, 6615, 330, {12, true, false}},
      {"Label30", ControlKind::Label, "Frame5", 2640, 960, 4455, 255, {9.75, false, true}, Ink::DarkGrey, kRight},
      {"Frame6", ControlKind::Frame, "", 7920, 360, 4215, 975, {8.25, true, true}, Ink::Black},
      {"Label18",
       ControlKind::Label,
       "Frame6",
       120,
       360,
       3975,
       495,
       {9.75, true, false},
       Ink::Black,
       Qt::AlignLeft | Qt::AlignTop,
       true},
      {"Line4", ControlKind::Line, "", 0, 1560, 13440, 0, kPlain9},
      // selection
      {"Label11", ControlKind::Label, "", 360, 1680, 3135, 375, {14.25, true, false}, Ink::Black},
      {"Combo1", ControlKind::Selector, "", 240, 2160, 5295, 390, {11.25, false, false}},
      // input frame
      {"Frame1", ControlKind::Frame, "", 240, 2760, 4935, 1695, {14.25, true, false}, Ink::Black},
      {"Label1", ControlKind::Label, "Frame1", 120, 480, 3135, 315, kPlain9, Ink::DarkGrey, kRight},
      {"Text2", ControlKind::Field, "Frame1", 3480, 480, 1215, 315, kPlain9, Ink::DarkGrey, kCentre},
      {"Label7", ControlKind::Label, "Frame1", 120, 840, 3135, 315, kPlain9, Ink::DarkGrey, kRight},
      {"Text3", ControlKind::Field, "Frame1", 3480, 840, 1215, 315, kPlain9, Ink::DarkGrey, kCentre},
      {"Label8", ControlKind::Label, "Frame1", 120, 1200, 3135, 315, kPlain9, Ink::DarkGrey, kRight},
      {"Text4", ControlKind::Field, "Frame1", 3480, 1200, 1215, 315, kPlain9, Ink::DarkGrey, kCentre},
      // command buttons
      {"Command1", ControlKind::Button, "", 5340, 2880, 1455, 495, {12, true, false}},
      {"Command2", ControlKind::Button, "", 5340, 3480, 1455, 495, {12, true, false}},
      {"Command3", ControlKind::Button, "", 5340, 4080, 1455, 495, {12, true, false}},
      // boundary values panel; the second row's three captions overlap
      {"Frame3", ControlKind::Frame, "", 240, 4920, 6255, 1815, {14.25, true, false}, Ink::Black},
      {"Label14", ControlKind::Label, "Frame3", 360, 600, 4215, 255, kPlain9, Ink::DarkGrey, kRight},
      {"Label12", ControlKind::ValueBox, "Frame3", 4800, 600, 1200, 260, {9, true, false}, Ink::DarkGrey, kCentre},
      {"Label13", ControlKind::Label, "Frame3", 360, 960, 4215, 255, kPlain9, Ink::DarkGrey, kRight},
      {"Label17", ControlKind::Label, "Frame3", 480, 960, 4095, 255, kPlain9, Ink::DarkGrey, kRight},
      {"Label15", ControlKind::Label, "Frame3", 960, 960, 3615, 375, kPlain9, Ink::DarkGrey,
       Qt::AlignRight | Qt::AlignTop},
      {"Label19", ControlKind::ValueBox, "Frame3", 4800, 960, 1200, 255, {9, true, false}, Ink::DarkGrey, kCentre},
      {"Label16", ControlKind::Label, "Frame3", 1440, 1320, 3135, 255, kPlain9, Ink::DarkGrey, kRight},
      {"Label21", ControlKind::ValueBox, "Frame3", 4800, 1320, 1200, 255, {9, true, false}, Ink::DarkGrey, kCentre},
      // busy panel
      {"Frame4", ControlKind::Frame, "", 240, 6960, 6255, 1095, {14.25, false, false}},
      {"Label68",
       ControlKind::Label,
       "Frame4",
       1200,
       240,
       3735,
       735,
       {14.25, false, false},
       Ink::BusyText,
       kCentre,
       true},
      // output frame
      {"Frame2", ControlKind::Frame, "", 6960, 1680, 5895, 6375, {14.25, true, false}, Ink::Black},
      {"Label10", ControlKind::Label, "Frame2", 240, 480, 4455, 375, {12, true, false}},
      {"Line2", ControlKind::Line, "Frame2", 240, 840, 5520, 0, kPlain9},
      {"Label9", ControlKind::Label, "Frame2", 240, 4320, 4575, 375, {12, true, false}},
      {"Line3", ControlKind::Line, "Frame2", 240, 4680, 5520, 0, kPlain9},
      // status bar
      {"StatusBar1", ControlKind::StatusBar, "", 0, 8190, 13440, 255, kPlain9},
  };

  // Result rows, 360 twips apart: caption ending at x 4215, value box at x 4440.
  struct Row {
    const char* caption;
    const char* result;
    int top;
  };
  constexpr Row kRows[] = {
      {"Label2(0)", "l7", 1080},  {"Label2(1)", "l8", 1440},  {"Label2(2)", "l9", 1800},  {"Label2(3)", "l10", 2160},
      {"Label2(7)", "l11", 2520}, {"Label2(4)", "l12", 2880}, {"Label2(5)", "l13", 3240}, {"Label2(6)", "l14", 3600},
      {"Label2(8)", "l15", 3960}, {"Label3", "l16", 4800},    {"Label4", "l17", 5160},    {"Label5", "l18", 5520},
      {"Label6", "l19", 5880},
  };
  for (const Row& row : kRows) {
    l.push_back({row.caption, ControlKind::Label, "Frame2", 120, row.top, 4095, 255, kPlain9, Ink::DarkGrey, kRight});
    const int height = row.top == 1080 ? 260 : 255;
    l.push_back(
        {row.result, ControlKind::ResultBox, "Frame2", 4440, row.top, 1200, height, kPlain9, Ink::DarkGrey, kCentre});
  }
  return l;
}

}  // namespace

const std::vector<ControlLayout>& mainWindowLayout() {
  static const std::vector<ControlLayout> layout = buildLayout();
  return layout;
}

}  // namespace vaporel
