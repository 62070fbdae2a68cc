#pragma once
// Printing the report: the first worksheet of the file as it stands on disk, its print
// area, portrait, on one page, drawn by the same renderer as the report window's viewer.

#include <QString>

class QPrinter;

namespace vaporel {

enum class PrintOutcome {
  Printed,
  NoPrinter,      // no printer to print on
  Unreadable,     // the file is missing or not a readable workbook
  PrinterFailed,  // the printer refused to start or to finish the job
};

// `printer` may be null (no printer available). Sets portrait Letter and the page margins.
PrintOutcome PrintReportFile(const QString& path, QPrinter* printer);

}  // namespace vaporel
