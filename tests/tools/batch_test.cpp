// Every state the field checks accept resolves to thirteen finite values, with the wet bulb
// where the saturated-enthalpy residual changes sign: a regression sweep over the accepted
// ranges of all five input pairs, near the boiling point included.
#include "batch/batch.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/boundary_values.hpp"
#include "calculation/result_texts.hpp"
#include "properties/humid_air.hpp"
#include "support/sign_change.hpp"

namespace vaporel {
namespace {

// A limit as the panel's label shows it and a field check reads it back.
double AtDisplayPrecision(const Numbers& numbers, double value, std::string_view pattern) {
  return numbers.parse(numbers.format(value, pattern)).value_or(value);
}

const Numbers kPoint('.');

std::string Text(double v) { return kPoint.format(v, "0.000000"); }

using testing_support::SignChange;

struct Tally {
  int accepted = 0;
  int refused = 0;
};

void Check(int pair, double p, double first, double second, Tally& tally) {
  const BatchResult r = CalculateFromTexts(InputPairFromNumber(pair), Text(p), Text(first), Text(second), kPoint);
  if (r.refusal) {
    ++tally.refused;
    return;
  }
  ++tally.accepted;
  const std::array<double, 13> values = ResultValues(r.state, r.props);
  for (std::size_t i = 0; i < values.size(); ++i) {
    ASSERT_TRUE(std::isfinite(values[i]))
        << kResultFields[i].symbol << " pair " << pair << " p " << p << " first " << first << " second " << second;
  }
  const AirState& s = r.state;
  if (pair != 2 && s.RH != 100) {
    ASSERT_NEAR(s.twb, SignChange(s.tdb, s.h, s.p), 0.005)
        << "pair " << pair << " p " << p << " first " << first << " second " << second;
  }
}

// The second inputs around every limit of pair 1, 2, 3 or 5 at one dry bulb.
void CheckAround(int pair, double p, double tdb, Tally& tally) {
  switch (pair) {
    case 1:
      for (double RH : {0.0, 0.001, 1.0, 30.0, 90.0, 99.9, 99.999, 100.0}) Check(1, p, tdb, RH, tally);
      break;
    case 2:
      for (double drop : {0.0, 0.001, 0.1, 2.0, 10.0, 40.0}) Check(2, p, tdb, tdb - drop, tally);
      break;
    case 3: {
      const EnthalpyRange range = SaturatedEnthalpyRange(tdb, p);
      for (double f : {0.0, 1e-6, 0.1, 0.5, 0.9, 0.999, 1.0}) {
        Check(3, p, tdb, range.hmin + f * (range.hmax - range.hmin), tally);
      }
      break;
    }
    case 5: {
      const double xmax = AtDisplayPrecision(kPoint, MaxAbsHumidity(tdb, p), kXmaxPattern);
      for (double f : {0.0, 1e-4, 0.3, 0.9, 0.999, 1.0}) Check(5, p, tdb, f * xmax, tally);
      break;
    }
  }
}

class AcceptedStates : public testing::TestWithParam<double> {};

TEST_P(AcceptedStates, ResolveToFiniteValuesWithTheWetBulbAtTheSignChange) {
  const double p = GetParam();
  Tally tally;
  for (int pair : {1, 2, 3, 5}) {
    const double tdbmax = AtDisplayPrecision(kPoint, MaxDryBulb(InputPairFromNumber(pair), p), kTdbmaxPattern);
    std::vector<double> dryBulbs;
    for (double tdb = -40.1; tdb < tdbmax; tdb += 6.1) dryBulbs.push_back(tdb);
    for (double below : {0.3, 0.06, 0.01, 0.001}) dryBulbs.push_back(tdbmax - below);
    for (double tdb : dryBulbs) CheckAround(pair, p, tdb, tally);
  }
  const double tdbmax4 = AtDisplayPrecision(kPoint, MaxDryBulb(InputPair::AbsHumidityEnthalpy, p), kTdbmaxPattern);
  for (double x : {0.0, 1e-5, 0.001, 0.01, 0.1, 1.0, 10.0, 1000.0}) {
    const EnthalpyRange range = AbsHumidityEnthalpyRange(x, p, tdbmax4);
    for (double f : {0.0, 1e-6, 0.2, 0.7, 0.999, 1.0})
      Check(4, p, x, range.hmin + f * (range.hmax - range.hmin), tally);
  }
  EXPECT_GT(tally.accepted, 250);
}

INSTANTIATE_TEST_SUITE_P(Pressures, AcceptedStates, testing::Values(0.1, 0.5, 1.01325, 3.3, 10.0));

}  // namespace
}  // namespace vaporel
