#include "calculation/result_texts.hpp"

#include <gtest/gtest.h>

#include "calculation/resolve_state.hpp"
#include "calculation/thermophysical.hpp"

namespace vaporel {
namespace {

std::array<std::string, 13> TextsOf(int pair, double p, double first, double second, char separator) {
  const AirState s = std::get<AirState>(ResolveState(InputPairFromNumber(pair), p, first, second));
  return ResultTexts(s, ThermophysicalProperties(s), Numbers(separator));
}

TEST(ResultTexts, TheExampleStateWithThePoint) {
  const std::array<std::string, 13> expected = {"1.013", "20.00",  "13.73",    "9.27",      "0.00725", "1.1987", "38.49",
                                                "0.01168", "50.0", "1.0189", "0.025976", "1.803E-05", "0.702"};
  EXPECT_EQ(TextsOf(1, 1.01325, 20, 50, '.'), expected);
}

TEST(ResultTexts, TheExampleStateWithTheComma) {
  const auto texts = TextsOf(1, 1.01325, 20, 50, ',');
  EXPECT_EQ(texts[0], "1,013");
  EXPECT_EQ(texts[11], "1,803E-05");
  EXPECT_EQ(texts[8], "50,0");
}

TEST(ResultTexts, DryAirShowsItsDewPoint) { EXPECT_EQ(TextsOf(1, 1.01325, 30, 0, '.')[3], "-273.00"); }

TEST(ResultTexts, LabelsInOrder) {
  ASSERT_EQ(kResultFields.front().label, "l7");
  ASSERT_EQ(kResultFields.back().label, "l19");
  EXPECT_EQ(kResultFields[11].symbol, "mi");
  EXPECT_EQ(kResultFields[11].pattern, "#0.000E+00");
}

}  // namespace
}  // namespace vaporel
