#pragma once
// Where every control of the main window stands and how it looks. Positions are
// twips (left, top, width, height) inside the container: a frame, or the client
// area for an empty container name.

#include <Qt>
#include <string_view>
#include <vector>

#include "shell/window_font.hpp"

namespace vaporel {

enum class ControlKind {
  Frame,      // captioned group box
  Label,      // plain caption
  ValueBox,   // boundary value: bordered, system colours
  ResultBox,  // calculation result: bordered, light cyan
  Field,      // input field
  Button,
  Selector,  // drop-down list of the input pairs
  Line,      // horizontal rule, height ignored
  StatusBar,
};

enum class Ink { DarkGrey, Black, BusyText };

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  std::string_view container;
  int left, top, width, height;
  FontSpec font;
  Ink ink = Ink::DarkGrey;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
  bool wordWrap = false;
};

// Client area of the main window: 13440 x 8445 twips.
inline constexpr int kClientWidthTwips = 13440;
inline constexpr int kClientHeightTwips = 8445;

// Containers come before their contents.
const std::vector<ControlLayout>& MainWindowLayout();

}  // namespace vaporel
