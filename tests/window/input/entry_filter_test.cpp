// The entry filter of the three input fields: what a field holds after typing or pasting,
// and one beep per character it removed.

#include <string>
#include <tuple>

#include "support/window_fixture.hpp"

namespace vaporel::testing {
namespace {

enum class Entry { Typed, Pasted };

struct FilterCase {
  const char* name;
  int pair;
  const char* field;
  Entry entry;
  const char* input;     // '.' the window's separator, '~' the other locale's
  const char* expected;  // the same notation
  long beeps;
};

const FilterCase kFilterCases[] = {
    {"pressure_above_ten_clamped_as_typed", 1, "Text2", Entry::Typed, "15", "10", 0},
    {"pressure_decimal_above_ten_clamped", 1, "Text2", Entry::Typed, "10.5", "10", 0},
    {"separator_typed_key_by_key_kept", 1, "Text2", Entry::Typed, "1.5", "1.5", 0},
    {"other_locales_separator_removed", 1, "Text2", Entry::Typed, "1~5", "10", 1},
    {"minus_sign_removed_leaving_empty", 1, "Text2", Entry::Typed, "-", "", 1},
    {"pasted_negative_becomes_zero", 1, "Text2", Entry::Pasted, "-3", "0", 0},
    {"pasted_2x5_cut_from_the_end", 1, "Text2", Entry::Pasted, "2x5", "2", 2},
    {"pasted_1x2y_cut_from_the_end", 1, "Text2", Entry::Pasted, "1x2y", "1", 3},
    {"leading_blank_is_not_a_number", 1, "Text2", Entry::Pasted, " 1", "", 2},
    {"exponent_is_not_a_number", 1, "Text2", Entry::Pasted, "1e5", "1", 2},
    {"multibyte_character_one_beep", 1, "Text2", Entry::Pasted, "2\u00B0", "2", 1},
    {"first_input_has_no_upper_clamp", 1, "Text3", Entry::Pasted, "150", "150", 0},
    {"first_input_minus_sign_removed", 2, "Text3", Entry::Typed, "-", "", 1},
    {"first_input_pasted_negative_becomes_zero", 2, "Text3", Entry::Pasted, "-20.5", "0", 0},
    {"relative_humidity_clamped_to_100", 1, "Text4", Entry::Typed, "105", "100", 0},
    {"wet_bulb_not_clamped", 2, "Text4", Entry::Typed, "105", "105", 0},
    {"enthalpy_pasted_negative_becomes_zero", 3, "Text4", Entry::Pasted, "-5", "0", 0},
};

class EntryFilter : public ::testing::TestWithParam<std::tuple<char, FilterCase>> {};

TEST_P(EntryFilter, LeavesANonNegativeNumberOrNothing) {
  const auto& [separator, row] = GetParam();
  StartedWindow window(separator);
  ASSERT_TRUE(window.user.pick(row.pair - 1));
  if (row.entry == Entry::Typed) {
    window.user.type(row.field, window.local(row.input));
  } else {
    window.user.paste(row.field, window.local(row.input));
  }
  EXPECT_EQ(window.text(row.field), window.local(row.expected));
  EXPECT_EQ(window.platform.beeps(), row.beeps);
  EXPECT_EQ(window.model[row.field].background, kWhite);
  EXPECT_TRUE(window.platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryFilter,
                         ::testing::Combine(::testing::Values('.', ','), ::testing::ValuesIn(kFilterCases)),
                         [](const auto& test) {
                           return std::string(std::get<1>(test.param).name) + SeparatorSuffix(std::get<0>(test.param));
                         });

// A field holds at most 64 characters: a megabyte pasted at once is cut before the
// filter sees it, so its one-beep-per-character removal stays short.
class LongPaste : public EitherSeparator {};

TEST_P(LongPaste, MegabyteOfLettersEmptiesTheFieldWith64Beeps) {
  const std::string megabyte(1 << 20, 'x');
  ASSERT_TRUE(window.user.paste("Text2", megabyte));
  EXPECT_EQ(window.text("Text2"), "");
  EXPECT_EQ(window.platform.beeps(), 64);
}

TEST_P(LongPaste, MegabyteAfterADigitKeepsTheDigit) {
  ASSERT_TRUE(window.user.paste("Text2", "5" + std::string(1 << 20, 'x')));
  EXPECT_EQ(window.text("Text2"), "5");
  EXPECT_EQ(window.platform.beeps(), 63);
}

TEST_P(LongPaste, MegabyteOfDigitsKeeps64OrIsClamped) {
  const std::string digits(1 << 20, '1');
  ASSERT_TRUE(window.user.paste("Text2", digits));
  EXPECT_EQ(window.text("Text2"), "10");
  ASSERT_TRUE(window.user.paste("Text3", digits));
  EXPECT_EQ(window.text("Text3"), std::string(64, '1'));
  EXPECT_EQ(window.platform.beeps(), 0);
}

TEST_P(LongPaste, KeysBeyondTheLimitAreNotTaken) {
  ASSERT_TRUE(window.user.type("Text3", std::string(70, '2')));
  EXPECT_EQ(window.text("Text3"), std::string(64, '2'));
}

INSTANTIATE_TEST_SUITE_P(Separators, LongPaste, ::testing::Values('.', ','), SeparatorName);

}  // namespace
}  // namespace vaporel::testing
