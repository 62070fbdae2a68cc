#pragma once
// vaporel-calc --report: the report the "Excel" button writes, for one state given on
// the command line, through the same report code as the window.

#include <string>

#include "report/report_content.hpp"
#include "workbook/result.hpp"

namespace vaporel {

// Writes `content` into the workbook `out`: an existing file is edited in place like the
// program's own report; a missing one is started from the template in `programFolder`
// and appears only when complete. On failure prints on stderr the report's message, then
// the file and the cause (FailureLine), and returns the error.
xls::Status WriteBatchReport(const std::string& out, const ReportContent& content, char decimalSeparator,
                             const std::string& programFolder);

// "vaporel-calc: FILE: cause", in the manner of command-line tools.
std::string FailureLine(const std::string& out, const xls::Error& error);

}  // namespace vaporel
