#pragma once
// The "Excel" command: writes the inputs and results the main window shows into
// the report workbook, saves it in place and opens the report window on it.

#include <array>
#include <string>
#include <string_view>

#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"
#include "report/report_window_interface.hpp"
#include "report/spreadsheet.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {

inline constexpr std::string_view kReportSheetName = "Vaporel";

inline constexpr std::string_view kReportErrorTitle = "ERROR";
inline constexpr std::string_view kReportErrorMessage =
    "An error ocured while your report was generated.\r\n"
    "Please check if you have Microsoft Excel installed on your computer.";

struct ReportCell {
  std::string_view reference;  // "B9"
  std::string_view control;    // the control whose text or caption goes there
};

// The cells in the order they are written.
inline constexpr std::array<ReportCell, 18> kReportCells{{
    {"A5", control::Label7}, {"A6", control::Label8}, {"B4", control::Text2}, {"B5", control::Text3}, {"B6", control::Text4},
    {"B9", control::l7},     {"B10", control::l8},    {"B11", control::l9},   {"B12", control::l10},  {"B13", control::l11},
    {"B14", control::l12},   {"B15", control::l13},   {"B16", control::l14},  {"B17", control::l15},  {"B20", control::l16},
    {"B21", control::l17},   {"B22", control::l18},   {"B23", control::l19},
}};

// Fills the workbook at `reportPath` from the model and saves it. Throws SpreadsheetError.
void WriteReport(const MainWindowModel& model, Spreadsheet& spreadsheet, const std::string& reportPath);

// The whole command: busy panel and pointer, the workbook written and saved, busy state
// removed, then the report window shown modally. Any failure hides the busy state and
// shows the report's error message instead; the previous report file stays as it was.
// Returns true when the report window was shown.
bool GenerateReport(MainWindowModel& model, Platform& platform, Spreadsheet& spreadsheet, ReportWindow& window,
                    const std::string& reportPath);

}  // namespace vaporel
