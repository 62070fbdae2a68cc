#pragma once
// Which texts a spreadsheet takes as numbers when they are typed into a cell.
//
// Not the program's own conversion (numbers/numbers.hpp) on purpose: a cell takes more
// forms than a field of the window ('+', exponents, '.' besides the user's separator),
// and the codec, which knows nothing of the program, stands below the numbers layer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vaporel::xls {

// The value of `text` if the whole text is a decimal number: optional sign,
// digits with at most one decimal separator (at least one digit), optional
// exponent ('e' or 'E', optional sign, digits). Blanks, grouping, hex, inf and
// nan make it text. '.' is always a separator; `decimalSeparator` adds the
// user's own (',' under many locales), as a spreadsheet in that locale would.
std::optional<double> SpreadsheetNumber(std::string_view text, char decimalSeparator = '.');

// How a spreadsheet shows a number under a number format: General (up to 10
// significant digits, no trailing zeros, scientific when too long), "0.00",
// "0.00E+00" and the other simple built-in formats; unknown formats as General.
std::string DisplayNumber(double value, std::uint16_t formatIndex);

}  // namespace vaporel::xls
