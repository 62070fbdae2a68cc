#pragma once
// The report's own names and its one message, character for character. Users and
// transcripts know them as they stand, misspelling included ("ocured"): tests pin them,
// and none is to be "corrected".

#include <string_view>

namespace vaporel {

// The report's workbook, beside the program, and its worksheet.
inline constexpr const char* kReportFileName = "Vaporel.xls";
inline constexpr std::string_view kReportSheetName = "Vaporel";

// Every way a report can fail to be written ends in this message.
inline constexpr std::string_view kReportErrorTitle = "ERROR";
inline constexpr std::string_view kReportErrorMessage =
    "An error ocured while your report was generated.\r\n"
    "Please check if you have Microsoft Excel installed on your computer.";

}  // namespace vaporel
