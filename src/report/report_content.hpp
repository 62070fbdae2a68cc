#pragma once
// What a report records: the texts the main window shows when "Excel" is pressed, or
// the same texts given to the batch calculator.

#include <array>
#include <string>

namespace vaporel {

struct ReportContent {
  std::array<std::string, 2> captions;  // the input pair's two captions
  std::array<std::string, 3> fields;    // the pressure and the two inputs, as typed
  std::array<std::string, 13> results;  // the thirteen results, as shown
};

}  // namespace vaporel
