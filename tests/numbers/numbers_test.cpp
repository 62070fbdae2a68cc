#include "numbers/numbers.hpp"

#include <gtest/gtest.h>

#include <QLocale>
#include <string>

namespace vaporel {
namespace {

struct ParseCase {
  const char* text;  // written with the point; the comma variant swaps it
  std::optional<double> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Parse : public testing::TestWithParam<std::tuple<char, ParseCase>> {};

TEST_P(Parse, AcceptsOnlyPlainDecimalNumbers) {
  const auto& [separator, c] = GetParam();
  std::string text = c.text;
  if (separator == ',') {
    for (char& ch : text) {
      if (ch == '.')
        ch = ',';
      else if (ch == ',')
        ch = '.';
    }
  }
  const std::optional<double> value = Numbers(separator).parse(text);
  EXPECT_EQ(value, c.expected) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    BothSeparators, Parse,
    testing::Combine(testing::Values('.', ','),
                     testing::Values(ParseCase{"1.01325", 1.01325}, ParseCase{"20", 20.0}, ParseCase{"-40.1", -40.1},
                                     ParseCase{"1.", 1.0},  // typed key by key towards 1.5
                                     ParseCase{".5", 0.5}, ParseCase{"-0", 0.0}, ParseCase{"007", 7.0},
                                     ParseCase{"", std::nullopt}, ParseCase{"-", std::nullopt},
                                     ParseCase{".", std::nullopt}, ParseCase{"-.", std::nullopt},
                                     ParseCase{"1.2.3", std::nullopt}, ParseCase{" 1", std::nullopt},
                                     ParseCase{"1 ", std::nullopt}, ParseCase{"+1", std::nullopt},
                                     ParseCase{"1e5", std::nullopt}, ParseCase{"1,000.5", std::nullopt},
                                     ParseCase{"--1", std::nullopt}, ParseCase{"1-", std::nullopt},
                                     ParseCase{"inf", std::nullopt}, ParseCase{"nan", std::nullopt},
                                     ParseCase{"2x5", std::nullopt})));

TEST(Parse, TheOtherSeparatorIsNotNumeric) {
  EXPECT_FALSE(Numbers(',').isNumeric("1.5"));
  EXPECT_FALSE(Numbers('.').isNumeric("1,5"));
}

TEST(Parse, ReadsTheNearestDouble) {
  EXPECT_EQ(Numbers(',').parse("0,1"), 0.1);
  EXPECT_EQ(Numbers('.').parse("0.62198"), 0.62198);
  EXPECT_EQ(Numbers('.').parse(std::string(400, '9')), std::nullopt);  // beyond double range
}

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;  // with the point
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value << " " << c.pattern; }

class Format : public testing::TestWithParam<std::tuple<char, FormatCase>> {};

TEST_P(Format, WritesThePatternsDecimalsWithTheSeparator) {
  const auto& [separator, c] = GetParam();
  std::string expected = c.expected;
  for (char& ch : expected) {
    if (ch == '.') ch = separator;
  }
  EXPECT_EQ(Numbers(separator).format(c.value, c.pattern), expected);
}

INSTANTIATE_TEST_SUITE_P(
    BothSeparators, Format,
    testing::Combine(
        testing::Values('.', ','),
        testing::Values(FormatCase{1.01325, "##0.000", "1.013"}, FormatCase{20, "###0.00", "20.00"},
                        FormatCase{13.72675, "###0.00", "13.73"}, FormatCase{-273, "###0.00", "-273.00"},
                        FormatCase{0.007254937, "##0.00000", "0.00725"}, FormatCase{1.198742, "##0.0000", "1.1987"},
                        FormatCase{38.493, "####0.00", "38.49"}, FormatCase{0.0116825, "#0.00000", "0.01168"},
                        FormatCase{50, "##0.0", "50.0"}, FormatCase{1.01890, "#0.0000", "1.0189"},
                        FormatCase{0.025976, "#0.000000", "0.025976"}, FormatCase{1.8026e-5, "#0.000E+00", "1.803E-05"},
                        FormatCase{1.8026e5, "#0.000E+00", "1.803E+05"}, FormatCase{0.7021, "#0.000", "0.702"},
                        FormatCase{0.014681, "0.00000", "0.01468"}, FormatCase{-5.8, "##0.0", "-5.8"},
                        FormatCase{12345.67, "###0.0", "12345.7"}, FormatCase{0.04, "##0.0", "0.0"},
                        // a rounded negative zero shows no sign
                        FormatCase{-0.04, "##0.0", "0.0"}, FormatCase{-0.0, "###0.00", "0.00"},
                        FormatCase{-0.0, "#0.000E+00", "0.000E+00"}, FormatCase{-0.06, "##0.0", "-0.1"})));

TEST(FormatThenParse, ReadsBackWhatTheLabelShows) {
  const Numbers comma(',');
  EXPECT_EQ(comma.parse(comma.format(99.98495, "##0.0")), 100.0);
  EXPECT_EQ(comma.parse(comma.format(0.0146811, "0.00000")), 0.01468);
  EXPECT_EQ(Numbers('.').parse(Numbers('.').format(-5.84, "##0.0")), -5.8);
}

TEST(Locale, NamedLocalesGiveTheirSeparator) {
  EXPECT_EQ(Numbers::forLocaleName("de_DE.UTF-8")->decimalSeparator(), ',');
  EXPECT_EQ(Numbers::forLocaleName("de_DE")->decimalSeparator(), ',');
  EXPECT_EQ(Numbers::forLocaleName("en_US.UTF-8")->decimalSeparator(), '.');
  EXPECT_EQ(Numbers::forLocaleName("C")->decimalSeparator(), '.');
  EXPECT_FALSE(Numbers::forLocaleName("no_such_locale").has_value());
  EXPECT_FALSE(Numbers::forLocaleName("xx_YY").has_value());
  EXPECT_FALSE(Numbers::forLocaleName("").has_value());
}

TEST(Locale, UserLocaleFollowsQLocaleDefault) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Numbers::forUserLocale().decimalSeparator(), ',');
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(Numbers::forUserLocale().decimalSeparator(), '.');
  QLocale::setDefault(saved);
}

}  // namespace
}  // namespace vaporel
