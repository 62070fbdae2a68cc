#pragma once
// The report workbook filled from a ReportContent: its sheet, its cells in the order
// they are written, and the one message every failure ends in.

#include <array>
#include <string>
#include <string_view>

#include "report/report_content.hpp"
#include "report/report_texts.hpp"
#include "report/spreadsheet.hpp"

namespace vaporel {

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

}  // namespace vaporel
