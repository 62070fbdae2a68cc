// Texts as a spreadsheet reads them: cell references, numbers typed into a
// cell, and numbers shown under a number format.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "workbook/cell_ref.hpp"
#include "workbook/number_text.hpp"

namespace vaporel::xls {
namespace {

TEST(CellReference, readsTheReportCellsAndTheFormatLimits) {
  EXPECT_EQ(ParseCellRef("A1"), (CellRef{0, 0}));
  EXPECT_EQ(ParseCellRef("B23"), (CellRef{22, 1}));
  EXPECT_EQ(ParseCellRef("b5"), (CellRef{4, 1}));
  EXPECT_EQ(ParseCellRef("$A$5"), (CellRef{4, 0}));
  EXPECT_EQ(ParseCellRef("IV65536"), (CellRef{65535, 255}));
  EXPECT_EQ(ParseCellRef("AA10"), (CellRef{9, 26}));
  for (const char* bad : {"", "A", "5", "A0", "IW1", "A65537", "A1 ", " A1", "A1B", "AAAA1", "A-1", "A1234567"}) {
    EXPECT_FALSE(ParseCellRef(bad).has_value()) << bad;
  }
  EXPECT_EQ(CellRefText({22, 1}), "B23");
  EXPECT_EQ(CellRefText({0, 26}), "AA1");
  EXPECT_EQ(CellRefText({65535, 255}), "IV65536");
}

struct NumberCase {
  const char* text;
  char separator;
  std::optional<double> value;
};

class TypedText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TypedText, decidesNumberOrText) {
  const auto& c = GetParam();
  const auto got = SpreadsheetNumber(c.text, c.separator);
  ASSERT_EQ(got.has_value(), c.value.has_value()) << c.text;
  if (got) {
    EXPECT_EQ(*got, *c.value) << c.text;
    EXPECT_FALSE(std::signbit(*got) && *got == 0) << "negative zero from " << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedText,
    ::testing::Values(
        // What the report writes: field texts as typed and result labels.
        NumberCase{"1.01325", '.', 1.01325}, NumberCase{"20", '.', 20.0}, NumberCase{"-40", '.', -40.0},
        NumberCase{"1.803E-05", '.', 1.803e-05}, NumberCase{"0.00726", '.', 0.00726}, NumberCase{"+5", '.', 5.0},
        NumberCase{".5", '.', 0.5}, NumberCase{"5.", '.', 5.0}, NumberCase{"1e3", '.', 1000.0},
        NumberCase{"-0", '.', 0.0}, NumberCase{"-0.000", '.', 0.0},
        // The user's separator is taken as well as the point.
        NumberCase{"1,01325", ',', 1.01325}, NumberCase{"2.5", ',', 2.5}, NumberCase{"1,803E-05", ',', 1.803e-05},
        // Text.
        NumberCase{"1,5", '.', std::nullopt}, NumberCase{"Dry bulb temperature [oC] ", '.', std::nullopt},
        NumberCase{"", '.', std::nullopt}, NumberCase{" 1", '.', std::nullopt}, NumberCase{"1 ", '.', std::nullopt},
        NumberCase{"1.2.3", '.', std::nullopt}, NumberCase{"0x10", '.', std::nullopt},
        NumberCase{"inf", '.', std::nullopt}, NumberCase{"nan", '.', std::nullopt}, NumberCase{"1e", '.', std::nullopt},
        NumberCase{"e5", '.', std::nullopt}, NumberCase{".", '.', std::nullopt}, NumberCase{"-", '.', std::nullopt},
        NumberCase{"1e999", '.', std::nullopt}, NumberCase{"1,000.5", '.', std::nullopt},
        NumberCase{"--1", '.', std::nullopt}, NumberCase{"1e+-5", '.', std::nullopt}));

struct DisplayCase {
  double value;
  std::uint16_t format;
  const char* shown;
};

class ShownNumber : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(ShownNumber, showsAsTheSpreadsheetDoes) {
  EXPECT_EQ(DisplayNumber(GetParam().value, GetParam().format), GetParam().shown)
      << GetParam().value << " format " << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(Formats, ShownNumber,
                         ::testing::Values(
                             // General: up to ten significant digits, no trailing zeros.
                             DisplayCase{1.01325, 0, "1.01325"}, DisplayCase{20.0, 0, "20"},
                             DisplayCase{0.00726, 0, "0.00726"}, DisplayCase{1.0 / 3.0, 0, "0.3333333333"},
                             DisplayCase{2.0 / 3.0, 0, "0.6666666667"}, DisplayCase{-40.0, 0, "-40"},
                             DisplayCase{0.0, 0, "0"}, DisplayCase{1234567.891, 0, "1234567.891"},
                             DisplayCase{1.803e-05, 0, "0.00001803"}, DisplayCase{123456789012.0, 0, "1.23457E+11"},
                             DisplayCase{1.5e-10, 0, "1.5E-10"}, DisplayCase{-2.5e15, 0, "-2.5E+15"},
                             // Two decimals (built-in 2).
                             DisplayCase{13.7649, 2, "13.76"}, DisplayCase{9.255, 2, "9.26"},
                             DisplayCase{-0.001, 2, "0.00"}, DisplayCase{20.0, 2, "20.00"},
                             // Scientific (built-in 11).
                             DisplayCase{1.803e-05, 11, "1.80E-05"}, DisplayCase{0.0, 11, "0.00E+00"},
                             DisplayCase{123456.0, 11, "1.23E+05"}, DisplayCase{-2.5e-100, 11, "-2.50E-100"},
                             // Others.
                             DisplayCase{1234.5, 1, "1235"}, DisplayCase{1234567.891, 4, "1,234,567.89"},
                             DisplayCase{0.125, 10, "12.50%"}));

}  // namespace
}  // namespace vaporel::xls
