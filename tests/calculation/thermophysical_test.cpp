#include "calculation/thermophysical.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/resolve_state.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"

namespace vaporel {
namespace {

struct Row {
  double t, RH, p;
  double x, pv, ts, cp, lam, mi, Pr;
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.t << "C " << r.RH << "% " << r.p << "bar"; }

class ThermophysicalTable : public testing::TestWithParam<Row> {};

// cp, lam and Pr to the decimals displayed, mi to four significant digits.
TEST_P(ThermophysicalTable, MatchesPublishedValues) {
  const Row& r = GetParam();
  const AirState s = std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, r.p, r.t, r.RH));
  EXPECT_NEAR(s.x, r.x, r.x * 1e-5 + 1e-12);
  EXPECT_NEAR(s.pv, r.pv, r.pv * 1e-5 + 1e-12);
  if (r.pv > 0) {
    EXPECT_NEAR(SatTemperature(s.pv), r.ts, 5e-3);
  }
  const ThermoProps props = ThermophysicalProperties(s);
  EXPECT_NEAR(props.cp, r.cp, 5e-5);
  EXPECT_NEAR(props.lam, r.lam, 5e-7);
  EXPECT_NEAR(props.mi, r.mi, 5e-9);
  EXPECT_NEAR(props.Pr, r.Pr, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Reference, ThermophysicalTable,
    testing::Values(Row{20, 0, 1.01325, 0, 0, 0, 1.0053, 0.025930, 1.815e-5, 0.704},
                    Row{20, 50, 1.01325, 0.00725494, 0.0116825, 9.2671, 1.0189, 0.025976, 1.803e-5, 0.702},
                    Row{20, 100, 1.01325, 0.0146811, 0.0233651, 19.928, 1.0329, 0.026036, 1.792e-5, 0.700},
                    Row{0, 50, 1.0, 0.00190534, 0.00305399, -8.1068, 1.0101, 0.024383, 1.712e-5, 0.708},
                    Row{-20, 50, 1.0, 0.000320721, 0.000515379, -22.567, 1.0093, 0.022799, 1.615e-5, 0.715},
                    Row{50, 100, 1.01325, 0.0862095, 0.123345, 50.044, 1.1714, 0.028638, 1.837e-5, 0.692}));

TEST(ThermophysicalProperties, DryAirTakesThePureAirFits) {
  AirState dry;
  dry.tdb = 20;
  const ThermoProps props = ThermophysicalProperties(dry);
  EXPECT_NEAR(props.cp, 1.0053, 5e-5);
  EXPECT_NEAR(props.mi, 1.8155e-5, 5e-9);
  EXPECT_NEAR(props.Pr, 0.70386, 5e-6);
}

TEST(ThermophysicalProperties, AnyVapourTakesTheMixingBranch) {
  AirState s;
  s.tdb = 20;
  s.x = 1e-12;
  s.pv = 1e-12;
  const ThermoProps props = ThermophysicalProperties(s);
  EXPECT_TRUE(std::isfinite(props.Pr));
  EXPECT_NEAR(props.mi, 1.8155e-5, 5e-9);
}

}  // namespace
}  // namespace vaporel
