#include "vaporel-calc/report_mode.hpp"

#include <unistd.h>

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

xls::Status Write(const std::string& path, const ReportContent& content, char decimalSeparator) {
  WorkbookSpreadsheet spreadsheet(decimalSeparator);
  return WriteReport(content, spreadsheet, path);
}

xls::Status WriteNewReport(const std::string& out, const ReportContent& content, char decimalSeparator,
                           const std::string& programFolder) {
  namespace fs = std::filesystem;
  // Started from the template beside OUT and renamed onto it only when it is complete,
  // so a failure leaves nothing behind.
  const std::string partial = out + ".part-" + std::to_string(::getpid());
  const std::string templatePath = ProgramReportPath(programFolder);
  if (!CopyFileWhole(templatePath, partial)) return xls::Error{xls::ErrorCode::NotWritable, partial};
  xls::Status written = Write(partial, content, decimalSeparator);
  std::error_code error;
  if (written) {
    fs::rename(partial, out, error);
    if (error) written = xls::Error{xls::ErrorCode::NotWritable, out + ": " + error.message()};
  }
  if (!written) fs::remove(partial, error);
  return written;
}

}  // namespace

std::string ProgramFolder() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return ".";
  // Beside the executable in the build tree; <prefix>/share/vaporel once installed.
  const fs::path folder = exe.parent_path();
  const fs::path shared = (folder / ".." / "share" / "vaporel").lexically_normal();
  if (!fs::exists(folder / kReportFileName, error) && fs::exists(shared / kReportFileName, error)) {
    return shared.string();
  }
  return folder.string();
}

xls::Status WriteBatchReport(const std::string& out, const ReportContent& content, char decimalSeparator,
                             const std::string& programFolder) {
  namespace fs = std::filesystem;
  std::error_code statusError;
  // An existing report (or whatever stands there) is edited in place, or refused.
  const bool exists = fs::symlink_status(out, statusError).type() != fs::file_type::not_found;
  xls::Status written =
      exists ? Write(out, content, decimalSeparator) : WriteNewReport(out, content, decimalSeparator, programFolder);
  if (!written) PrintReportError();
  return written;
}

}  // namespace vaporel
