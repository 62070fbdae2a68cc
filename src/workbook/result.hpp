#pragma once
// Outcome of a workbook operation: a value, or an error code with a detail text.
// Nothing inside the module lets an exception escape its public functions.

#include <string>
#include <utility>
#include <variant>

namespace vaporel::xls {

enum class ErrorCode {
  FileMissing,       // no file at the path
  NotReadable,       // the file exists but cannot be read (permissions, I/O)
  IsDirectory,       // a directory stands where the file should be
  NotCompoundFile,   // not an OLE2 compound file
  NoWorkbookStream,  // compound file without a "Workbook" stream (or an older BIFF)
  Damaged,           // records truncated or inconsistent
  Encrypted,         // password-protected workbook: cannot be edited
  NoSuchSheet,       // no worksheet with that name or position
  BadCellReference,  // "A1"-style reference not understood or out of range
  CellNotEditable,   // the cell belongs to a shared or array formula
  TextTooLong,       // more characters than a cell holds (32767)
  BadRange,          // a cell range that is empty or too large
  NotWritable,       // the file or its folder cannot be written
};

// A short English sentence for the code, for logs and tests.
std::string Describe(ErrorCode code);

struct Error {
  ErrorCode code;
  std::string detail;   // path, sheet name, record: what the code refers to
  std::string cause{};  // the operating system's reason (strerror), when one is known
  std::string message() const {
    return Describe(code) + (detail.empty() ? "" : ": " + detail) + (cause.empty() ? "" : " (" + cause + ")");
  }
};

// Either a T or an Error (std::expected is not in C++20).
template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}      // NOLINT: implicit on purpose
  Result(Error error) : state_(std::move(error)) {}  // NOLINT

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const Error& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Error> state_;
};

struct Done {};
using Status = Result<Done>;

}  // namespace vaporel::xls
