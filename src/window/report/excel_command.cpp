#include "window/report/excel_command.hpp"

#include "report/report_generation.hpp"
#include "window/model/control_names.hpp"
#include "window/report/report_content_of.hpp"

namespace vaporel {
namespace {

void EndBusy(MainWindowModel& model, Platform& platform) {
  model[control::BusyPanel].visible = false;
  model.busyPointer = false;
  platform.repaint();
}

void Fail(MainWindowModel& model, Platform& platform) {
  EndBusy(model, platform);
  platform.messageBox(kReportErrorMessage, kReportErrorTitle, MessageIcon::Critical);
}

}  // namespace

bool GenerateReport(MainWindowModel& model, Platform& platform, Spreadsheet& spreadsheet, ReportWindow& window,
                    const std::string& reportPath) {
  model.busyPointer = true;
  model[control::BusyPanel].visible = true;
  platform.repaint();

  // Every way the workbook can fail (missing, locked, damaged, no such sheet, full disk)
  // ends in the one message the user is shown.
  if (!WriteReport(ReportContentOf(model), spreadsheet, reportPath)) {
    Fail(model, platform);
    return false;
  }

  EndBusy(model, platform);
  if (!window.showReport(reportPath)) {
    Fail(model, platform);
    return false;
  }
  return true;
}

}  // namespace vaporel
