#include "vaporel-calc/report_mode.hpp"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "window/main_window_logic.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"
#include "report/report_generation.hpp"
#include "report/report_location.hpp"
#include "report/workbook_spreadsheet.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

// The desktop of a command-line run: message boxes go to stderr, with the line break of
// the terminal; there is no window to paint and nothing to open.
class ConsolePlatform : public Platform {
 public:
  explicit ConsolePlatform(std::string folder) : folder_(std::move(folder)) {}
  void messageBox(std::string_view text, std::string_view, MessageIcon) override {
    std::string line(text);
    for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at)) line.erase(at, 1);
    std::fprintf(stderr, "%s\n", line.c_str());
  }
  void beep() override {}
  void repaint() override {}
  void saveSetting(std::string_view, std::string_view, std::string_view, std::string_view) override {}
  bool openDocument(const std::string&) override { return false; }
  void endProgram() override {}
  std::string programFolder() override { return folder_; }

 private:
  std::string folder_;
};

// No report window on the command line: the written file is the result.
class NoReportWindow : public ReportWindow {
 public:
  bool showReport(const std::string&) override { return true; }
};

// The captions the selector puts on Label7 and Label8 for the pair, from the window's own handler.
void SelectPair(MainWindowModel& model, Platform& platform, const Numbers& numbers, int pair) {
  MainWindowLogic logic(model, platform, numbers);
  logic.load();
  logic.selectPair(pair - 1);
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

bool WriteBatchReport(const ReportRequest& request, const Numbers& numbers, const std::string& programFolder) {
  ConsolePlatform platform(programFolder);
  MainWindowModel model;
  SelectPair(model, platform, numbers, request.pair);
  model[control::Text2].text = request.p;
  model[control::Text3].text = request.first;
  model[control::Text4].text = request.second;
  for (std::size_t i = 0; i < request.results.size(); ++i) model["l" + std::to_string(7 + i)].text = request.results[i];

  WorkbookSpreadsheet spreadsheet(numbers.decimalSeparator());
  NoReportWindow window;
  namespace fs = std::filesystem;
  std::error_code statusError;
  if (fs::symlink_status(request.out, statusError).type() != fs::file_type::not_found) {
    // An existing report (or whatever stands there) is edited in place, or refused.
    return GenerateReport(model, platform, spreadsheet, window, request.out);
  }

  // A new report starts from the template, written beside OUT and renamed onto it only
  // when it is complete, so a failure leaves nothing behind.
  const std::string partial = request.out + ".part-" + std::to_string(::getpid());
  if (!CopyFileWhole(ProgramReportPath(programFolder), partial)) {
    platform.messageBox(kReportErrorMessage, kReportErrorTitle, MessageIcon::Critical);
    return false;
  }
  const bool written = GenerateReport(model, platform, spreadsheet, window, partial);
  std::error_code error;
  if (written) fs::rename(partial, request.out, error);
  if (!written || error) {
    fs::remove(partial, error);
    if (written) platform.messageBox(kReportErrorMessage, kReportErrorTitle, MessageIcon::Critical);
    return false;
  }
  return true;
}

}  // namespace vaporel
