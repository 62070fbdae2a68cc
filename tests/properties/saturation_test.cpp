#include "properties/saturation.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace vaporel {
namespace {

struct Reference {
  double argument;
  double expected;
  double tolerance;  // half a unit in the last published digit
};

void PrintTo(const Reference& r, std::ostream* os) { *os << r.argument; }

class SatPressureTable : public testing::TestWithParam<Reference> {};

TEST_P(SatPressureTable, MatchesPublishedValue) {
  const Reference& r = GetParam();
  EXPECT_NEAR(SatPressure(r.argument), r.expected, r.tolerance) << "t = " << r.argument;
}

// Seven significant digits.
INSTANTIATE_TEST_SUITE_P(Reference, SatPressureTable,
                         testing::Values(Reference{-40, 0.0001239178, 5e-11}, Reference{-20, 0.001030759, 5e-10},
                                         Reference{-10, 0.002589118, 5e-10}, Reference{-0.0001, 0.00608968, 5e-9},
                                         Reference{0, 0.006107987, 5e-10}, Reference{10, 0.01226931, 5e-9},
                                         Reference{20, 0.02336509, 5e-9}, Reference{50, 0.1233452, 5e-8},
                                         Reference{100, 1.013195, 5e-7}, Reference{150, 4.759562, 5e-7},
                                         Reference{180, 10.02758, 5e-6}));

class DewPointTable : public testing::TestWithParam<Reference> {};

TEST_P(DewPointTable, MatchesPublishedValue) {
  const Reference& r = GetParam();
  EXPECT_NEAR(DewPoint(r.argument), r.expected, r.tolerance) << "pv = " << r.argument;
}

// The 0.0060999 / 0.0061 rows straddle the branch threshold: the two fits do not join there.
INSTANTIATE_TEST_SUITE_P(Reference, DewPointTable,
                         testing::Values(Reference{0.0001, -41.2235, 5e-5}, Reference{0.001, -20.3068, 5e-5},
                                         Reference{0.006, -0.203429, 5e-7}, Reference{0.0060999, 0.0012322, 5e-8},
                                         Reference{0.0061, -0.0151382, 5e-8}, Reference{0.01, 6.98247, 5e-6},
                                         Reference{0.0234, 20.0243, 5e-5}, Reference{0.1, 45.834, 5e-4},
                                         Reference{1.0, 99.6343, 5e-5}, Reference{1.01325, 100.003, 5e-4},
                                         Reference{10, 179.88, 5e-3}));

class SatTemperatureTable : public testing::TestWithParam<Reference> {};

TEST_P(SatTemperatureTable, MatchesPublishedValue) {
  const Reference& r = GetParam();
  EXPECT_NEAR(SatTemperature(r.argument), r.expected, r.tolerance) << "p = " << r.argument;
}

INSTANTIATE_TEST_SUITE_P(Reference, SatTemperatureTable,
                         testing::Values(Reference{0.1, 45.86693, 5e-6}, Reference{1.0, 99.6172, 5e-5},
                                         Reference{1.01325, 99.98495, 5e-6}, Reference{10, 179.92713, 5e-6}));

TEST(SatPressure, ZeroTakesTheLiquidWaterFitAndJumpsUpFromIce) {
  EXPECT_NEAR(SatPressure(0) / SatPressure(1e-9), 1, 1e-9);
  EXPECT_GT(SatPressure(0) / SatPressure(-1e-9), 1.0029);
  EXPECT_LT(SatPressure(0) / SatPressure(-1e-9), 1.0031);
}

TEST(DewPoint, InvertsSatPressureFromMinus40To180Within005K) {
  // A transcription error in either coefficient table shows at once here; the largest
  // mismatch of the two fits is about 0.041 K near -40 °C.
  for (int i = -400; i <= 1800; ++i) {
    const double t = i / 10.0;
    ASSERT_NEAR(DewPoint(SatPressure(t)), t, 0.05) << "t = " << t;
  }
}

TEST(SatPressureInverse, ReadsSatPressureBackwardsDownTo100BelowZero) {
  for (int i = -1000; i <= 1800; ++i) {
    const double t = i / 10.0;
    if (t == 0) continue;  // the step of SatPressure at 0 °C has no unique inverse
    ASSERT_NEAR(SatPressureInverse(SatPressure(t)), t, 1e-9) << "t = " << t;
  }
}

TEST(DewPoint, FrostPointFitTurnsRoundBelowItsRange) {
  // Why the dew point of very dry air is not taken from the fit: below about -45 °C
  // it rises again and reaches plainly impossible values.
  EXPECT_GT(DewPoint(SatPressure(-50)), 0);
  EXPECT_GT(DewPoint(SatPressure(-55)), 1000);
}

}  // namespace
}  // namespace vaporel
