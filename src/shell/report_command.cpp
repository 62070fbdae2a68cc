#include "shell/report_command.hpp"

#include "report/report_location.hpp"
#include "report/workbook_spreadsheet.hpp"
#include "shell/report_window.hpp"
#include "window/report/excel_command.hpp"

namespace vaporel {

std::function<void()> DesktopReportCommand(MainWindowModel& model, Platform& platform, char decimalSeparator,
                                           QWidget* owner) {
  return [&model, &platform, decimalSeparator, owner] {
    // Created for this command and released at its end.
    WorkbookSpreadsheet spreadsheet(decimalSeparator);
    DesktopReportWindow window(owner, DesktopReportServices());
    GenerateReport(model, platform, spreadsheet, window, ReportPath(platform.programFolder()));
  };
}

}  // namespace vaporel
