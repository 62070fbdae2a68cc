#pragma once
// Numbers as a user of either decimal separator writes them, and test names that say which.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vaporel::testing {

// `text` written with '.' as a locale with `separator` writes it; '~' stands for the
// other locale's separator, which that locale does not accept.
inline std::string WithSeparator(std::string_view text, char separator) {
  std::string out(text);
  for (char& c : out) {
    if (c == '.')
      c = separator;
    else if (c == '~')
      c = separator == '.' ? ',' : '.';
  }
  return out;
}

// `text` written with `separator`, back with '.'.
inline std::string Dotted(std::string_view text, char separator) {
  std::string out(text);
  for (char& c : out) c = c == separator ? '.' : c;
  return out;
}

inline std::string SeparatorSuffix(char separator) { return separator == '.' ? "_point" : "_comma"; }

inline std::string SeparatorName(const ::testing::TestParamInfo<char>& info) {
  return info.param == '.' ? "point" : "comma";
}

}  // namespace vaporel::testing
