#pragma once
// The report's view of a spreadsheet workbook: the few operations report
// generation relies on, in the order it calls them. The workbook module sits
// behind this (workbook_spreadsheet.hpp); tests put a fake here. Each operation
// reports its failure (a missing or unreadable file, a missing worksheet, a damaged
// workbook, a save that could not complete) with the workbook module's own cause.

#include <string>
#include <string_view>

#include "workbook/result.hpp"

namespace vaporel {

class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;

  // Opens the workbook at `path`.
  virtual xls::Status open(const std::string& path) = 0;
  // Takes the worksheet named `name` for the cell writes that follow.
  virtual xls::Status selectSheet(std::string_view name) = 0;
  // Sets one cell ("B9") from a text: the spreadsheet decides whether it stores a number
  // (keeping the cell's number format) or a string.
  virtual xls::Status setCell(std::string_view reference, std::string_view text) = 0;
  // Saves the workbook in place. Either the whole new workbook replaces the file or the
  // file is left as it was.
  virtual xls::Status save() = 0;
};

}  // namespace vaporel
