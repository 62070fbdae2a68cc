#include "numbers/numbers.hpp"

#include <QLocale>
#include <QString>
#include <charconv>
#include <cmath>
#include <string>

namespace vaporel {
namespace {

// The separator of a Qt locale, or the point when that locale's separator is not one ASCII byte.
char SeparatorOf(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) {
    return static_cast<char>(point.at(0).unicode());
  }
  return '.';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "de" or "de_DE": a language of two or three lower-case letters, optionally a territory.
// Qt reads any text it can, so "no_such_locale" would otherwise be taken for Norwegian.
bool IsLocaleName(const std::string& name) {
  std::size_t i = 0;
  while (i < name.size() && name[i] >= 'a' && name[i] <= 'z') ++i;
  if (i < 2 || i > 3) return false;
  if (i == name.size()) return true;
  if (name[i] != '_') return false;
  const std::size_t territory = name.size() - i - 1;
  for (++i; i < name.size(); ++i) {
    if (!((name[i] >= 'A' && name[i] <= 'Z') || IsDigit(name[i]))) return false;
  }
  return territory == 2 || territory == 3;
}

struct Pattern {
  int decimals = 0;
  bool scientific = false;
};

// "##0.000" -> 3 decimals; "#0.000E+00" -> scientific with 3 decimals.
Pattern ReadPattern(std::string_view pattern) {
  Pattern result;
  const auto point = pattern.find('.');
  if (point != std::string_view::npos) {
    for (std::size_t i = point + 1; i < pattern.size() && pattern[i] == '0'; ++i) {
      ++result.decimals;
    }
  }
  result.scientific = pattern.find_first_of("Ee") != std::string_view::npos;
  return result;
}

// A text such as "-0.000" or "-0.000e+00" whose digits are all zero.
bool IsNegativeZero(const std::string& text) {
  if (text.empty() || text.front() != '-') {
    return false;
  }
  for (char c : text) {
    if (c == 'e' || c == 'E') {
      break;
    }
    if (IsDigit(c) && c != '0') {
      return false;
    }
  }
  return true;
}

}  // namespace

Numbers::Numbers(char decimalSeparator) : separator_(decimalSeparator) {}

Numbers Numbers::forUserLocale() { return Numbers(SeparatorOf(QLocale())); }

std::optional<Numbers> Numbers::forLocaleName(std::string_view name) {
  std::string bare(name);
  bare = bare.substr(0, bare.find_first_of(".@"));  // "de_DE.UTF-8" -> "de_DE"
  if (bare == "C" || bare == "POSIX") {
    return Numbers('.');
  }
  const QLocale locale(QString::fromStdString(bare));
  if (!IsLocaleName(bare) || locale.language() == QLocale::C) {
    return std::nullopt;  // Qt falls back to the C locale for names it does not know
  }
  return Numbers(SeparatorOf(locale));
}

std::optional<double> Numbers::parse(std::string_view text) const {
  std::string plain;
  plain.reserve(text.size() + 1);
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    plain += '-';
    ++i;
  }
  int digits = 0;
  bool separatorSeen = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      plain += c;
      ++digits;
    } else if (c == separator_ && !separatorSeen) {
      separatorSeen = true;
      plain += '.';
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) {
    return std::nullopt;
  }
  if (plain.back() == '.') {
    plain.pop_back();  // "1." is 1, so that 1.5 can be typed key by key
  }
  double value = 0;
  const char* first = plain.data();
  const char* last = plain.data() + plain.size();
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (error != std::errc() || end != last || !std::isfinite(value)) {
    return std::nullopt;  // too many digits for a double
  }
  return value;
}

std::string Numbers::format(double value, std::string_view pattern) const {
  const Pattern p = ReadPattern(pattern);
  char buffer[400];
  const auto format = p.scientific ? std::chars_format::scientific : std::chars_format::fixed;
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, p.decimals);
  std::string text = error == std::errc() ? std::string(buffer, end) : std::string();
  if (IsNegativeZero(text)) {
    text.erase(0, 1);
  }
  for (char& c : text) {
    if (c == '.') {
      c = separator_;
    } else if (c == 'e') {
      c = 'E';
    }
  }
  return text;
}

}  // namespace vaporel
