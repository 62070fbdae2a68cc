#include "properties/wet_bulb.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "support/sign_change.hpp"

namespace vaporel {
namespace {

double Residual(double T, double h, double p) { return Enthalpy(T, AbsHumidity(T, 100, p)) - h; }

using testing_support::SignChange;

// The fixed-end false-position iteration exactly as the program has always run it, with a
// step cap only so that the test ends.
struct Original {
  bool converged = false;
  double twb = 0;
  int steps = 0;
};
Original RunOriginal(double tdp, double tdb, double h, double p, double tolerance, int cap) {
  double a = tdp, b = tdb;
  const double fa = Residual(a, h, p), fb = Residual(b, h, p);
  for (int step = 1; step <= cap; ++step) {
    const double c = a - ((b - a) * fa) / (fb - fa);
    const double fc = Residual(c, h, p);
    (fc > 0 ? b : a) = c;
    if (std::abs(fc) < tolerance) return {true, c, step};
  }
  return {};
}

// tdp and h of a state given by tdb and RH, as input pair 1 computes them.
struct Pair1Start {
  double tdp, h;
};
Pair1Start StartOfPair1(double p, double tdb, double RH) {
  const double x = AbsHumidity(tdb, RH, p);
  return {RH == 0 ? -273 : DewPoint(x * p / (0.62198 + x)), Enthalpy(tdb, x)};
}

TEST(WetBulb, OrdinaryStateConvergesInAFewDozenSteps) {
  const WetBulbSolution s = SolveWetBulb(9.2694, 20, 38.493, 1.01325, 1e-10);
  EXPECT_NEAR(s.twb, 13.7267, 1e-4);  // the inputs themselves are rounded
  EXPECT_GE(s.evaluations, 30);
  EXPECT_LE(s.evaluations, 45);
}

TEST(WetBulb, PerfectlyDryAirStartsFromMinus273) {
  EXPECT_NEAR(WetBulb(-273, 30, 30.1356, 1.01325, 1e-10), 10.3825, 5e-4);
}

// Wherever the unguarded iteration converges, the guarded one must give the same double.
TEST(WetBulb, BitIdenticalToTheFixedEndIterationWhereItConverges) {
  int compared = 0;
  for (double p : {0.1, 1.0, 1.01325, 5.0, 10.0}) {
    for (double tdb = -40; tdb < 0.85 * SatTemperature(p); tdb += 3.7) {
      for (double RH : {0.0, 1.0, 10.0, 35.0, 50.0, 80.0, 99.0}) {
        const Pair1Start start = StartOfPair1(p, tdb, RH);
        const Original original = RunOriginal(start.tdp, tdb, start.h, p, 1e-10, 500);
        if (!original.converged) continue;
        ++compared;
        EXPECT_EQ(WetBulb(start.tdp, tdb, start.h, p, 1e-10), original.twb) << p << " " << tdb << " " << RH;
      }
    }
  }
  EXPECT_GT(compared, 500);
}

struct HardState {
  const char* why;
  double p, tdb, RH;
};

void PrintTo(const HardState& s, std::ostream* os) { *os << s.p << "bar " << s.tdb << "C " << s.RH << "%"; }

class WetBulbHardState : public testing::TestWithParam<HardState> {};

// Each of these made the unguarded iteration run for ever. Their time is measured by the
// benchmarks; here the work is bounded by counting residual evaluations, which does not
// depend on the machine: 1000 fixed-end steps, then at most 200 bisections.
TEST_P(WetBulbHardState, EndsWithBoundedWorkAtTheSignChange) {
  const HardState& s = GetParam();
  const Pair1Start start = StartOfPair1(s.p, s.tdb, s.RH);
  const WetBulbSolution solution = SolveWetBulb(start.tdp, s.tdb, start.h, s.p, 1e-10);
  EXPECT_NEAR(solution.twb, SignChange(s.tdb, start.h, s.p), 0.005) << s.why;
  EXPECT_LE(solution.evaluations, 1300) << s.why;
  EXPECT_LE(solution.twb, s.tdb) << s.why;
}

INSTANTIATE_TEST_SUITE_P(LeftByTheIteration, WetBulbHardState,
                         testing::Values(HardState{"dew point of the correlation above the root", 1.01325, -30, 99.9},
                                         HardState{"frost point below the correlation's range", 0.1, -10, 1},
                                         HardState{"root on the jump of SatPressure at 0 °C", 1.01325, 0, 99.9},
                                         HardState{"tolerance below the resolution of f near tdbmax", 1.01325, 89.89,
                                                   99}));

// A named regression sweep over the accepted range of input pair 1.
TEST(WetBulb, SweepOfPair1StatesEndsAtTheSignChange) {
  int worstEvaluations = 0;
  for (double p : {0.1, 0.5, 1.01325, 3.0, 10.0}) {
    const double tdbmax = 0.9 * SatTemperature(p);
    for (double tdb = -40.1; tdb < tdbmax; tdb += 2.3) {
      for (double RH : {0.0, 0.5, 1.0, 5.0, 20.0, 50.0, 90.0, 99.0, 99.9, 99.999}) {
        const Pair1Start start = StartOfPair1(p, tdb, RH);
        const WetBulbSolution s = SolveWetBulb(start.tdp, tdb, start.h, p, 1e-10);
        ASSERT_NEAR(s.twb, SignChange(tdb, start.h, p), 0.005) << p << " " << tdb << " " << RH;
        worstEvaluations = std::max(worstEvaluations, s.evaluations);
      }
    }
  }
  EXPECT_LT(worstEvaluations, 1300);
}

TEST(WetBulb, AirRicherThanSaturatedGivesTheDryBulb) {
  // Enthalpy above that of saturated air at tdb: no sign change below tdb.
  const double h = Enthalpy(20, AbsHumidity(20, 100, 1.01325)) + 1;
  EXPECT_EQ(WetBulb(20.01, 20, h, 1.01325, 1e-7), 20);
}

TEST(WetBulb, DryBulbAboveTheBoilingPointStillFindsTheRoot) {
  // At 1.01325 bar SatPressure passes p just above 100 °C; saturated air above it does not exist.
  const double h = 500;
  const double twb = WetBulb(99.0, 100.5, h, 1.01325, 1e-7);
  EXPECT_NEAR(twb, SignChange(100.5, h, 1.01325), 0.005);
  EXPECT_TRUE(std::isfinite(twb));
}

}  // namespace
}  // namespace vaporel
