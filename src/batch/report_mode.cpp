#include "batch/report_mode.hpp"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "report/report_generation.hpp"
#include "report/report_location.hpp"
#include "report/workbook_spreadsheet.hpp"

namespace vaporel {
namespace {

// The report's message as a terminal shows it: the window's CR LF becomes a line break.
void PrintReportError() {
  std::string line(kReportErrorMessage);
  for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at)) line.erase(at, 1);
  std::fprintf(stderr, "%s\n", line.c_str());
}

std::string LowerFirst(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

xls::Status Write(const std::string& path, const ReportContent& content, char decimalSeparator,
                  const std::string& saveAs = {}) {
  WorkbookSpreadsheet spreadsheet(decimalSeparator, saveAs);
  return WriteReport(content, spreadsheet, path);
}

xls::Error OsError(xls::ErrorCode code, const std::string& file, const std::error_code& error) {
  return xls::Error{code, file, error.message()};
}

xls::Status WriteNewReport(const std::string& out, const ReportContent& content, char decimalSeparator,
                           const std::string& programFolder) {
  // The template read, filled and saved as OUT whole: a failure leaves nothing behind.
  const std::string templatePath = ProgramReportPath(programFolder);
  std::error_code error;
  if (!std::filesystem::is_regular_file(templatePath, error)) {
    return OsError(xls::ErrorCode::FileMissing, templatePath,
                   std::make_error_code(std::errc::no_such_file_or_directory));
  }
  return Write(templatePath, content, decimalSeparator, out);
}

}  // namespace

std::string FailureLine(const std::string& out, const xls::Error& error) {
  using xls::ErrorCode;
  std::string cause;
  switch (error.code) {
    case ErrorCode::NoSuchSheet:
      cause = "not a workbook of this program (no sheet '" + std::string(kReportSheetName) + "')";
      break;
    case ErrorCode::NotCompoundFile:
    case ErrorCode::NoWorkbookStream:
      cause = "not a workbook of this program (" + LowerFirst(xls::Describe(error.code)) + ")";
      break;
    case ErrorCode::Damaged: cause = "damaged workbook (" + error.detail + ")"; break;
    case ErrorCode::Encrypted: cause = "password-protected workbook"; break;
    default: cause = error.cause.empty() ? LowerFirst(xls::Describe(error.code)) : error.cause; break;
  }
  // A missing file (OUT's folder, or the template) is named by its own path.
  const std::string& file = error.code == ErrorCode::FileMissing ? error.detail : out;
  return "vaporel-calc: " + file + ": " + cause;
}

xls::Status WriteBatchReport(const std::string& out, const ReportContent& content, char decimalSeparator,
                             const std::string& programFolder) {
  namespace fs = std::filesystem;
  std::error_code statusError;
  // An existing report (or whatever stands there) is edited in place, or refused.
  const bool exists = fs::symlink_status(out, statusError).type() != fs::file_type::not_found;
  xls::Status written =
      exists ? Write(out, content, decimalSeparator) : WriteNewReport(out, content, decimalSeparator, programFolder);
  if (!written) {
    PrintReportError();
    std::fprintf(stderr, "%s\n", FailureLine(out, written.error()).c_str());
  }
  return written;
}

}  // namespace vaporel
