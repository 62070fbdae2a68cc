#include "report/report_generation.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

void EndBusy(MainWindowModel& model, Platform& platform) {
  model[control::Frame4].visible = false;
  model.busyPointer = false;
  platform.repaint();
}

void Fail(MainWindowModel& model, Platform& platform) {
  EndBusy(model, platform);
  platform.messageBox(kReportErrorMessage, kReportErrorTitle, MessageIcon::Critical);
}

}  // namespace

void WriteReport(const MainWindowModel& model, Spreadsheet& spreadsheet, const std::string& reportPath) {
  spreadsheet.open(reportPath);
  spreadsheet.selectSheet(kReportSheetName);
  for (const ReportCell& cell : kReportCells) spreadsheet.setCell(cell.reference, model[cell.control].text);
  spreadsheet.save();
}

bool GenerateReport(MainWindowModel& model, Platform& platform, Spreadsheet& spreadsheet, ReportWindow& window,
                    const std::string& reportPath) {
  model.busyPointer = true;
  model[control::Frame4].visible = true;
  platform.repaint();

  try {
    WriteReport(model, spreadsheet, reportPath);
  } catch (...) {
    // Every way the workbook can fail (missing, locked, damaged, no such sheet, full
    // disk, out of memory) ends in the one message the user is shown.
    Fail(model, platform);
    return false;
  }

  EndBusy(model, platform);
  bool shown = false;
  try {
    shown = window.showReport(reportPath);
  } catch (...) {
    shown = false;
  }
  if (!shown) {
    Fail(model, platform);
    return false;
  }
  return true;
}

}  // namespace vaporel
