#pragma once
// What the report records of the main window: the texts it shows when "Excel" is pressed.

#include "report/report_content.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {

// Label7 and Label8, Text2 to Text4, l7 to l19, as they stand.
ReportContent ReportContentOf(const MainWindowModel& model);

}  // namespace vaporel
