#pragma once
// The report window as report generation sees it; the desktop layer shows the
// real one, the batch calculator has none.

#include <string>

namespace vaporel {

class ReportWindow {
 public:
  virtual ~ReportWindow() = default;

  // Loads the saved report at `path` into the window's viewer and shows the window
  // modally over the main window; returns when it is hidden or closed. False when the
  // report could not be loaded or the window could not be shown.
  virtual bool showReport(const std::string& path) = 0;
};

}  // namespace vaporel
