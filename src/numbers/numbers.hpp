#pragma once
// The one conversion text -> double and the one formatter double -> text of the
// program. Both follow a decimal separator chosen once (the user's locale by
// default), so a field, a label and the report always agree.

#include <optional>
#include <string>
#include <string_view>

namespace vaporel {

class Numbers {
 public:
  explicit Numbers(char decimalSeparator = '.');

  // The separator of the user's locale (QLocale()), e.g. ',' under de_DE.
  static Numbers forUserLocale();
  // The separator of a named locale such as "de_DE.UTF-8"; nullopt for an unknown name.
  static std::optional<Numbers> forLocaleName(std::string_view name);

  char decimalSeparator() const { return separator_; }

  // The value of a numeric text, or nullopt: this is also the "is numeric" test.
  // Numeric: optional leading '-', digits, at most one separator, at least one digit.
  // A trailing separator counts ("1." is 1) so that 1.5 can be typed key by key.
  // No blanks, grouping, '+', exponents, inf or nan.
  std::optional<double> parse(std::string_view text) const;
  bool isNumeric(std::string_view text) const { return parse(text).has_value(); }

  // Formats with a display pattern such as "##0.000", "0.00000" or "#0.000E+00":
  // fixed patterns give exactly their decimals, rounded to nearest, at least one
  // integer digit, no grouping; the scientific pattern gives one integer digit
  // (1.803E-05). A value that rounds to zero never shows a minus sign.
  std::string format(double value, std::string_view pattern) const;

 private:
  char separator_;
};

}  // namespace vaporel
