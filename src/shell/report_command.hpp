#pragma once
// The "Excel" command as the desktop runs it: the report file beside the program (or
// the user's copy), the project's workbook module, and Form2 over the main window.

#include <QWidget>
#include <functional>

#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"

namespace vaporel {

// For MainWindowLogic::setReportCommand. `decimalSeparator` is the window's own, so the
// report stores the numbers it shows as numbers.
std::function<void()> DesktopReportCommand(MainWindowModel& model, Platform& platform, char decimalSeparator,
                                           QWidget* owner);

}  // namespace vaporel
