#pragma once
// The "Excel" command: writes the inputs and results the main window shows into
// the report workbook, saves it in place and opens the report window on it.

#include <array>
#include <string>
#include <string_view>

#include "report/report_window_interface.hpp"
#include "report/spreadsheet.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"
#include "window/report_content.hpp"

namespace vaporel {

inline constexpr std::string_view kReportSheetName = "Vaporel";

inline constexpr std::string_view kReportErrorTitle = "ERROR";
inline constexpr std::string_view kReportErrorMessage =
    "An error ocured while your report was generated.\r\n"
    "Please check if you have Microsoft Excel installed on your computer.";

// The cells in the order they are written: the two captions, the three field texts,
// then the thirteen results.
inline constexpr std::array<std::string_view, 18> kReportCells{
    "A5",  "A6",  "B4",  "B5",  "B6",  "B9",  "B10", "B11", "B12",
    "B13", "B14", "B15", "B16", "B17", "B20", "B21", "B22", "B23",
};

// The texts of `content` in the order of kReportCells.
std::array<std::string_view, 18> ReportCellTexts(const ReportContent& content);
// The texts view the record: it must outlive them.
std::array<std::string_view, 18> ReportCellTexts(const ReportContent&& content) = delete;

// Fills the workbook at `reportPath` with `content` and saves it; the first failure
// stops the work and is returned with its cause.
xls::Status WriteReport(const ReportContent& content, Spreadsheet& spreadsheet, const std::string& reportPath);

// The whole command: busy panel and pointer, the window's texts written into the workbook
// and saved, busy state removed, then the report window shown modally. Any failure hides
// the busy state and shows the report's error message instead; the previous report file
// stays as it was. Returns true when the report window was shown.
bool GenerateReport(MainWindowModel& model, Platform& platform, Spreadsheet& spreadsheet, ReportWindow& window,
                    const std::string& reportPath);

}  // namespace vaporel
