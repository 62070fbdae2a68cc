#include "report/workbook_spreadsheet.hpp"

namespace vaporel {
namespace {

[[noreturn]] void Throw(const xls::Error& error) { throw SpreadsheetError(error.message()); }

}  // namespace

void WorkbookSpreadsheet::open(const std::string& path) {
  sheet_.reset();
  book_.reset();
  auto opened = xls::Workbook::open(path);
  if (!opened) Throw(opened.error());
  book_.emplace(std::move(opened.value()));
  path_ = path;
}

void WorkbookSpreadsheet::selectSheet(std::string_view name) {
  if (!book_) throw SpreadsheetError("no workbook is open");
  const auto sheet = book_->sheetByName(name);
  if (!sheet) Throw(sheet.error());
  sheet_ = *sheet;
}

void WorkbookSpreadsheet::setCell(std::string_view reference, std::string_view text) {
  if (!book_ || !sheet_) throw SpreadsheetError("no worksheet is selected");
  const xls::Status done = book_->setCell(*sheet_, reference, text, separator_);
  if (!done) Throw(done.error());
}

void WorkbookSpreadsheet::save() {
  if (!book_) throw SpreadsheetError("no workbook is open");
  const xls::Status done = book_->save(path_);
  if (!done) Throw(done.error());
}

}  // namespace vaporel
