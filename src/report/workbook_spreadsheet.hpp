#pragma once
// The report's Spreadsheet over the project's own workbook module: the file is read,
// edited in memory and saved whole (temporary file renamed over the old one).

#include <optional>
#include <string>
#include <utility>

#include "report/spreadsheet.hpp"
#include "workbook/workbook.hpp"

namespace vaporel {

class WorkbookSpreadsheet : public Spreadsheet {
 public:
  // `decimalSeparator`: the user's own separator, which the cells' number test accepts
  // besides '.', as a spreadsheet in that locale would.
  // `saveAs`: where save() writes, when not back over the file opened (a new report
  // started from the template).
  explicit WorkbookSpreadsheet(char decimalSeparator = '.', std::string saveAs = {})
      : separator_(decimalSeparator), saveAs_(std::move(saveAs)) {}

  xls::Status open(const std::string& path) override;
  xls::Status selectSheet(std::string_view name) override;
  xls::Status setCell(std::string_view reference, std::string_view text) override;
  xls::Status save() override;

 private:
  char separator_;
  std::string saveAs_;
  std::string path_;
  std::optional<xls::Workbook> book_;
  std::optional<std::size_t> sheet_;
};

}  // namespace vaporel
