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

std::array<std::string_view, 18> ReportCellTexts(const ReportContent& content) {
  std::array<std::string_view, 18> texts;
  std::size_t i = 0;
  for (const std::string& text : content.captions) texts[i++] = text;
  for (const std::string& text : content.fields) texts[i++] = text;
  for (const std::string& text : content.results) texts[i++] = text;
  return texts;
}

xls::Status WriteReport(const ReportContent& content, Spreadsheet& spreadsheet, const std::string& reportPath) {
  if (xls::Status done = spreadsheet.open(reportPath); !done) return done;
  if (xls::Status done = spreadsheet.selectSheet(kReportSheetName); !done) return done;
  const std::array<std::string_view, 18> texts = ReportCellTexts(content);
  for (std::size_t i = 0; i < kReportCells.size(); ++i) {
    if (xls::Status done = spreadsheet.setCell(kReportCells[i], texts[i]); !done) return done;
  }
  return spreadsheet.save();
}

bool GenerateReport(MainWindowModel& model, Platform& platform, Spreadsheet& spreadsheet, ReportWindow& window,
                    const std::string& reportPath) {
  model.busyPointer = true;
  model[control::Frame4].visible = true;
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
