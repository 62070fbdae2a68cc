#pragma once
// What the report records of the main window: the texts it shows when "Excel" is pressed.

#include <array>
#include <string>

#include "window/model/main_window_model.hpp"

namespace vaporel {

struct ReportContent {
  std::array<std::string, 2> captions;  // Label7 and Label8: the input pair's two captions
  std::array<std::string, 3> fields;    // Text2, Text3 and Text4, as they stand
  std::array<std::string, 13> results;  // l7 to l19, as shown
};

ReportContent ReportContentOf(const MainWindowModel& model);

}  // namespace vaporel
