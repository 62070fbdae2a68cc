#include "report/workbook_spreadsheet.hpp"

namespace vaporel {
namespace {

const xls::Error kNothingOpen{xls::ErrorCode::NotReadable, "no workbook is open"};
const xls::Error kNoSheet{xls::ErrorCode::NoSuchSheet, "no worksheet is selected"};

}  // namespace

xls::Status WorkbookSpreadsheet::open(const std::string& path) {
  sheet_.reset();
  book_.reset();
  auto opened = xls::Workbook::open(path);
  if (!opened) return opened.error();
  book_.emplace(std::move(opened.value()));
  path_ = path;
  return xls::Done{};
}

xls::Status WorkbookSpreadsheet::selectSheet(std::string_view name) {
  if (!book_) return kNothingOpen;
  const auto sheet = book_->sheetByName(name);
  if (!sheet) return sheet.error();
  sheet_ = *sheet;
  return xls::Done{};
}

xls::Status WorkbookSpreadsheet::setCell(std::string_view reference, std::string_view text) {
  if (!book_) return kNothingOpen;
  if (!sheet_) return kNoSheet;
  return book_->setCell(*sheet_, reference, text, separator_);
}

xls::Status WorkbookSpreadsheet::save() {
  if (!book_) return kNothingOpen;
  return book_->save(saveAs_.empty() ? path_ : saveAs_);
}

}  // namespace vaporel
