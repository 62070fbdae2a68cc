#include "report/report_generation.hpp"

namespace vaporel {

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

}  // namespace vaporel
