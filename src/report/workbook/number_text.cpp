#include "workbook/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vaporel::xls {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "1.2345E+3" style text of printf into a spreadsheet exponent with at least two digits.
std::string tidyExponent(const std::string& s) {
  const auto e = s.find_first_of("eE");
  if (e == std::string::npos) return s;
  std::string mantissa = s.substr(0, e);
  const char sign = s[e + 1] == '-' ? '-' : '+';
  std::string digits = s.substr(e + 2);
  while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
  while (digits.size() < 2) digits.insert(0, "0");
  return mantissa + "E" + sign + digits;
}

std::string trimZeros(std::string s) {
  if (s.find('.') == std::string::npos) return s;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

std::string printf1(const char* pattern, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, pattern, v);
  return buf;
}

std::string general(double v) {
  if (v == 0) return "0";
  const double a = std::fabs(v);
  if (a >= 1e-9 && a < 1e11) {
    // Ten significant digits, fixed notation.
    const int exponent = static_cast<int>(std::floor(std::log10(a)));
    const int decimals = std::max(0, 9 - exponent);
    std::string s = trimZeros(printf1(("%." + std::to_string(decimals) + "f").c_str(), v));
    if (s == "-0") s = "0";
    return s;
  }
  std::string s = printf1("%.5E", v);
  const auto e = s.find('E');
  return tidyExponent(trimZeros(s.substr(0, e)) + s.substr(e));
}

std::string withGrouping(std::string fixed) {
  const bool negative = !fixed.empty() && fixed[0] == '-';
  if (negative) fixed.erase(0, 1);
  const auto dot = fixed.find('.');
  std::string intPart = fixed.substr(0, dot);
  const std::string rest = dot == std::string::npos ? "" : fixed.substr(dot);
  for (int i = static_cast<int>(intPart.size()) - 3; i > 0; i -= 3) intPart.insert(static_cast<std::size_t>(i), ",");
  return (negative ? "-" : "") + intPart + rest;
}

std::string noNegativeZero(std::string s) {
  if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
  return s;
}

}  // namespace

std::optional<double> spreadsheetNumber(std::string_view text, char decimalSeparator) {
  std::string normal;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal += '-';
    ++i;
  }
  int digits = 0;
  bool separator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      ++digits;
      normal += c;
    } else if ((c == '.' || c == decimalSeparator) && !separator) {
      separator = true;
      normal += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    normal += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
    int expDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++expDigits) normal += text[i];
    if (expDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) return std::nullopt;
  return value == 0 ? 0.0 : value;  // a typed "-0" is stored as 0
}

std::string displayNumber(double value, std::uint16_t formatIndex) {
  if (!std::isfinite(value)) return "#NUM!";
  switch (formatIndex) {
    case 1: return noNegativeZero(printf1("%.0f", value));
    case 2: return noNegativeZero(printf1("%.2f", value));
    case 3: return noNegativeZero(withGrouping(printf1("%.0f", value)));
    case 4: return noNegativeZero(withGrouping(printf1("%.2f", value)));
    case 9: return noNegativeZero(printf1("%.0f", value * 100)) + "%";
    case 10: return noNegativeZero(printf1("%.2f", value * 100)) + "%";
    case 11: return tidyExponent(printf1("%.2E", value));
    default: return general(value);
  }
}

}  // namespace vaporel::xls
