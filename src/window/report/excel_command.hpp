#pragma once
// The "Excel" command: writes the inputs and results the main window shows into
// the report workbook, saves it in place and opens the report window on it.

#include <string>

#include "report/spreadsheet.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"
#include "window/report/report_window_interface.hpp"

namespace vaporel {

// The whole command: busy panel and pointer, the window's texts written into the workbook
// and saved, busy state removed, then the report window shown modally. Any failure hides
// the busy state and shows the report's error message instead; the previous report file
// stays as it was. Returns true when the report window was shown.
bool GenerateReport(MainWindowModel& model, Platform& platform, Spreadsheet& spreadsheet, ReportWindow& window,
                    const std::string& reportPath);

}  // namespace vaporel
