#include "calculation/result_texts.hpp"

#include <gtest/gtest.h>

#include "calculation/resolve_state.hpp"
#include "calculation/thermophysical.hpp"
#include "support/typical_state.hpp"

namespace vaporel {
namespace {

std::array<std::string, 13> TextsOf(int pair, double p, double first, double second, char separator) {
  const AirState s = std::get<AirState>(ResolveState(InputPairFromNumber(pair), p, first, second));
  return ResultTexts(s, ThermophysicalProperties(s), Numbers(separator));
}

TEST(ResultTexts, TheExampleStateWithThePoint) {
  const auto texts = TextsOf(1, 1.01325, 20, 50, '.');
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], testing::kTypicalStateTexts[i]) << i;
}

TEST(ResultTexts, TheExampleStateWithTheComma) {
  const auto texts = TextsOf(1, 1.01325, 20, 50, ',');
  EXPECT_EQ(texts[0], "1,013");
  EXPECT_EQ(texts[11], "1,803E-05");
  EXPECT_EQ(texts[8], "50,0");
}

TEST(ResultTexts, DryAirShowsItsDewPoint) { EXPECT_EQ(TextsOf(1, 1.01325, 30, 0, '.')[3], "-273.00"); }

}  // namespace
}  // namespace vaporel
