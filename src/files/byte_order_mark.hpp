#pragma once
// Text files written by spreadsheet programs and Windows editors often begin with a UTF-8
// byte-order mark; every text the program reads (CSV, project, zone and weather files) skips it.

#include <string_view>

namespace vaporel {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text after its byte-order mark, if it begins with one.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

}  // namespace vaporel
