#include "workbook/result.hpp"

namespace vaporel::xls {

std::string Describe(ErrorCode code) {
  switch (code) {
    case ErrorCode::FileMissing: return "The workbook file does not exist";
    case ErrorCode::NotReadable: return "The workbook file cannot be read";
    case ErrorCode::IsDirectory: return "A folder stands where the workbook file should be";
    case ErrorCode::NotCompoundFile: return "The file is not a 97-2003 workbook";
    case ErrorCode::NoWorkbookStream: return "The file holds no 97-2003 workbook stream";
    case ErrorCode::Damaged: return "The workbook is damaged";
    case ErrorCode::Encrypted: return "The workbook is password-protected";
    case ErrorCode::NoSuchSheet: return "The workbook has no such worksheet";
    case ErrorCode::BadCellReference: return "The cell reference is not valid";
    case ErrorCode::CellNotEditable: return "The cell belongs to a shared or array formula";
    case ErrorCode::TextTooLong: return "The text is longer than a cell can hold";
    case ErrorCode::BadRange: return "The cell range is not valid";
    case ErrorCode::NotWritable: return "The workbook file cannot be written";
  }
  return "Unknown workbook error";
}

}  // namespace vaporel::xls
