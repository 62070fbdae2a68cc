#pragma once
// "A1"-style cell references.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vaporel::xls {

struct CellRef {
  std::uint16_t row = 0;  // zero-based: "A1" is row 0
  std::uint16_t col = 0;  // zero-based: column "B" is 1
  bool operator==(const CellRef&) const = default;
};

// Columns A to IV, rows 1 to 65536 (the limits of the 97-2003 format); upper-case
// or lower-case letters, optional '$' before either part; nothing else.
std::optional<CellRef> ParseCellRef(std::string_view reference);
std::string CellRefText(CellRef ref);

}  // namespace vaporel::xls
