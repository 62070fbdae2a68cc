#include "report_command.hpp"

#include "report_generation.hpp"
#include "report_location.hpp"
#include "report_window.hpp"
#include "workbook_spreadsheet.hpp"

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
