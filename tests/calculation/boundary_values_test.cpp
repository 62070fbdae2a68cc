#include "calculation/boundary_values.hpp"

#include <gtest/gtest.h>

#include "numbers/numbers.hpp"
#include "properties/humid_air.hpp"

namespace vaporel {
namespace {

const Numbers kPoint('.');

std::string Shown(double value, std::string_view pattern) { return kPoint.format(value, pattern); }

struct TdbmaxCase {
  double p;
  const char* pair1;
  const char* others;
};

void PrintTo(const TdbmaxCase& c, std::ostream* os) { *os << c.p << "bar"; }

class Tdbmax : public testing::TestWithParam<TdbmaxCase> {};

TEST_P(Tdbmax, PanelShowsTheBoilingTemperatureAndPair1ItsNineTenths) {
  const TdbmaxCase& c = GetParam();
  EXPECT_EQ(Shown(MaxDryBulb(InputPair::DryBulbHumidity, c.p), kTdbmaxPattern), c.pair1);
  for (int pair : {2, 3, 4, 5}) {
    EXPECT_EQ(Shown(MaxDryBulb(InputPairFromNumber(pair), c.p), kTdbmaxPattern), c.others) << pair;
  }
}

INSTANTIATE_TEST_SUITE_P(Pressures, Tdbmax,
                         testing::Values(TdbmaxCase{1.01325, "90.0", "100.0"}, TdbmaxCase{1, "89.7", "99.6"},
                                         TdbmaxCase{0.1, "41.3", "45.9"}, TdbmaxCase{10, "161.9", "179.9"}));

TEST(MinWetBulb, PanelValues) {
  EXPECT_EQ(Shown(MinWetBulb(20, 1.01325), kTwbminPattern), "5.7");
  EXPECT_EQ(Shown(MinWetBulb(0, 1.01325), kTwbminPattern), "-5.8");
}

// twbmin is the first 0.1 K step down at which saturated air is no richer than dry air at
// tdb; the steps are a running subtraction, so 143 of them from 20 land on 5.6999999999999815,
// not on 20 - 14.3.
TEST(MinWetBulb, IsTheFirstStepOfTheRunningSubtractionBelowDryAir) {
  const double twbmin = MinWetBulb(20, 1.01325);
  EXPECT_EQ(twbmin, 5.6999999999999815);
  const auto saturated = [](double t) { return Enthalpy(t, AbsHumidity(t, 100, 1.01325)); };
  EXPECT_LE(saturated(twbmin), Enthalpy(20, 0));
  EXPECT_GT(saturated(twbmin + 0.1), Enthalpy(20, 0));
}

TEST(MinWetBulb, EndsForEveryAcceptedDryBulb) {
  for (double p : {0.1, 1.01325, 10.0}) {
    for (double tdb = -40.1; tdb < MaxDryBulb(InputPair::DryWetBulb, p) + 0.05; tdb += 0.7) {
      const double twbmin = MinWetBulb(tdb, p);
      ASSERT_LE(twbmin, tdb);
      ASSERT_GT(twbmin, -273.1);
    }
  }
}

TEST(EnthalpyRanges, Pair3PanelAndCheck) {
  const EnthalpyRange panel = DryBulbEnthalpyRange(20, 1.01325);
  EXPECT_EQ(Shown(panel.hmin, kEnthalpyPattern), "20.1");
  EXPECT_EQ(Shown(panel.hmax, kEnthalpyPattern), "55.4");
  const EnthalpyRange check = SaturatedEnthalpyRange(20, 1.01325);
  EXPECT_NEAR(check.hmin, 20.0796, 5e-5);
  EXPECT_NEAR(check.hmax, 57.34, 5e-3);
}

TEST(EnthalpyRanges, Pair4FromTheShownTdbmax) {
  const EnthalpyRange r = AbsHumidityEnthalpyRange(0.01, 1.01325, 100.0);
  EXPECT_EQ(Shown(r.hmax, kEnthalpyPattern), "127.7");
  EXPECT_EQ(Shown(r.hmin, kEnthalpyPattern), "39.4");
  const EnthalpyRange dry = AbsHumidityEnthalpyRange(0, 1.01325, 100.0);
  EXPECT_EQ(Shown(dry.hmin, kEnthalpyPattern), "-269.8");
  // A trace of vapour: its frost point lies far below -40 °C, so hmin does too (the
  // frost-point fit alone would put it at about +43 kJ/kg and refuse every valid enthalpy).
  const EnthalpyRange trace = AbsHumidityEnthalpyRange(0.00001, 1.01325, 100.0);
  EXPECT_LT(trace.hmin, -40);
  EXPECT_LT(trace.hmin, trace.hmax);
}

// Pair 4's hmin takes the dew point of x with the molar-mass ratio rounded to 0.622, where
// every other relation uses 0.62198; the panel has always shown these bits. With 0.62198
// hmin at x = 0.01 would be 0x1.3b087f34181bdp+5, a thousandth of a kJ/kg higher.
TEST(EnthalpyRanges, Pair4DewPointUsesTheRoundedRatio) {
  EXPECT_EQ(AbsHumidityEnthalpyRange(0.01, 1.01325, 100.0).hmin, 0x1.3b077980f8071p+5);
  EXPECT_EQ(AbsHumidityEnthalpyRange(0.001, 1.01325, 100.0).hmin, -0x1.971b07aec53d5p+3);
}

TEST(MaxAbsHumidity, PanelValue) { EXPECT_EQ(Shown(MaxAbsHumidity(20, 1.01325), kXmaxPattern), "0.01468"); }

}  // namespace
}  // namespace vaporel
