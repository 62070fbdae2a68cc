#include "workbook/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vaporel::xls {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A double as the spreadsheet holds it for display: 15 significant decimal
// digits d0.d1d2... times 10^exp. Rounding then works on these digits, half
// away from zero, so 9.255 shows as 9.26 although its binary value is below it.
struct Decimal {
  std::string digits;  // empty for zero
  int exp = 0;
  bool negative = false;
};

Decimal ToDecimal(double v) {
  Decimal d;
  d.negative = std::signbit(v);
  if (v == 0) return d;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
  const std::string text = buf;
  d.digits = text.substr(0, 1) + text.substr(2, 14);
  d.exp = std::stoi(text.substr(text.find('e') + 1));
  return d;
}

// Keeps `count` significant digits (count may be zero or negative).
Decimal RoundDigits(const Decimal& d, int count) {
  Decimal r;
  r.negative = d.negative;
  if (d.digits.empty() || count < 0) return r;
  std::string s = "0" + d.digits;  // the leading zero takes a carry out of the first digit
  int exp = d.exp + 1;
  const std::size_t keep = static_cast<std::size_t>(count) + 1;
  if (keep < s.size()) {
    const bool up = s[keep] >= '5';
    s.resize(keep);
    if (up) {
      std::size_t i = keep - 1;
      while (s[i] == '9') s[i--] = '0';
      ++s[i];
    }
  }
  if (s[0] == '0') {
    s.erase(0, 1);
    --exp;
  }
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (s.empty()) return r;
  r.digits = s;
  r.exp = exp;
  return r;
}

char DigitAt(const Decimal& d, int power) {
  const int index = d.exp - power;
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

std::string FixedText(const Decimal& d, int decimals, bool grouping = false) {
  std::string out;
  for (int p = std::max(d.exp, 0); p >= 0; --p) {
    out += DigitAt(d, p);
    if (grouping && p > 0 && p % 3 == 0) out += ',';
  }
  if (decimals > 0) out += '.';
  for (int p = -1; p >= -decimals; --p) out += DigitAt(d, p);
  return (d.negative && !d.digits.empty() ? "-" : "") + out;
}

std::string Fixed(double v, int decimals, bool grouping = false) {
  const Decimal d = ToDecimal(v);
  return FixedText(RoundDigits(d, d.exp + 1 + decimals), decimals, grouping);
}

std::string ExponentText(int exp) {
  std::string digits = std::to_string(std::abs(exp));
  if (digits.size() < 2) digits.insert(0, "0");
  return std::string("E") + (exp < 0 ? "-" : "+") + digits;
}

// Mantissa with `decimals` decimals (all shown, or trailing zeros dropped).
std::string Scientific(double v, int decimals, bool trimZeros) {
  const Decimal d = RoundDigits(ToDecimal(v), decimals + 1);
  std::string mantissa(1, d.digits.empty() ? '0' : d.digits[0]);
  std::string fraction;
  for (int i = 1; i <= decimals; ++i) {
    fraction += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
  }
  if (trimZeros) {
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  }
  if (!fraction.empty()) mantissa += "." + fraction;
  return (d.negative && !d.digits.empty() ? "-" : "") + mantissa + ExponentText(d.digits.empty() ? 0 : d.exp);
}

std::string General(double v) {
  const Decimal d = RoundDigits(ToDecimal(v), 10);
  if (d.digits.empty()) return "0";
  if (d.exp >= -9 && d.exp <= 10) {
    return FixedText(d, std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exp));
  }
  return Scientific(v, 5, true);
}

// An exponent at `i` ('e' or 'E', an optional sign, digits), appended to `normal`; false
// when the 'e' has no digits. Nothing to read is no failure.
bool AppendExponent(std::string_view text, std::size_t& i, std::string& normal) {
  if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return true;
  normal += 'e';
  ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
  int expDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++expDigits) normal += text[i];
  return expDigits > 0;
}

}  // namespace

std::optional<double> SpreadsheetNumber(std::string_view text, char decimalSeparator) {
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
    if (IsDigit(c)) {
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
  if (!AppendExponent(text, i, normal) || i != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) return std::nullopt;
  return value == 0 ? 0.0 : value;  // a typed "-0" is stored as 0
}

std::string DisplayNumber(double value, std::uint16_t formatIndex) {
  if (!std::isfinite(value)) return "#NUM!";
  switch (formatIndex) {
    case 1: return Fixed(value, 0);
    case 2: return Fixed(value, 2);
    case 3: return Fixed(value, 0, true);
    case 4: return Fixed(value, 2, true);
    case 9: return Fixed(value * 100, 0) + "%";
    case 10: return Fixed(value * 100, 2) + "%";
    case 11: return Scientific(value, 2, false);
    default: return General(value);
  }
}

}  // namespace vaporel::xls
