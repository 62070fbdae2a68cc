#pragma once
// vaporel-calc --report: the report the "Excel" button writes, for one state given on
// the command line, through the same report generation as the window.

#include <array>
#include <string>

#include "numbers/numbers.hpp"

namespace vaporel {

struct ReportRequest {
  std::string out;  // the workbook to write; started from the program's template when missing
  int pair = 1;     // 1 to 5
  std::string p, first, second;         // the field texts as given
  std::array<std::string, 13> results;  // the result labels' texts
};

// Writes the report; on failure prints the report's message on stderr. `programFolder`
// holds the template Vaporel.xls. True on success.
bool WriteBatchReport(const ReportRequest& request, const Numbers& numbers, const std::string& programFolder);

// Where the program's template stands: beside the executable, or in <prefix>/share/vaporel.
std::string ProgramFolder();

}  // namespace vaporel
