#include <gtest/gtest.h>

#include <cmath>

#include "calculation/resolve_state.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel {
namespace {

AirState Resolved(int pair, double p, double first, double second) {
  const Resolution r = ResolveState(InputPairFromNumber(pair), p, first, second);
  if (const auto* refusal = std::get_if<Refusal>(&r)) {
    ADD_FAILURE() << "refused: " << refusal->message;
    return {};
  }
  return std::get<AirState>(r);
}

Refusal Refused(int pair, double p, double first, double second) {
  const Resolution r = ResolveState(InputPairFromNumber(pair), p, first, second);
  if (!std::holds_alternative<Refusal>(r)) {
    ADD_FAILURE() << "not refused";
    return {};
  }
  return std::get<Refusal>(r);
}

TEST(Pair1, ReferenceState) {
  const AirState s = Resolved(1, 1.01325, 20, 50);
  EXPECT_EQ(s.p, 1.01325);
  EXPECT_EQ(s.tdb, 20);
  EXPECT_EQ(s.RH, 50);
  EXPECT_NEAR(s.x, 0.0072549, 5e-8);
  EXPECT_NEAR(s.h, 38.493, 5e-4);
  EXPECT_NEAR(s.pv, 0.011683, 5e-7);
  EXPECT_NEAR(s.ro, 1.19874, 5e-6);
  EXPECT_NEAR(s.tdp, 9.269, 5e-4);
  EXPECT_NEAR(s.twb, 13.727, 5e-4);
}

TEST(Pair1, DryAirHasNoDewPointAndIteratesFromMinus273) {
  const AirState s = Resolved(1, 1.01325, 30, 0);
  EXPECT_EQ(s.tdp, -273);
  EXPECT_EQ(s.pv, 0);
  EXPECT_EQ(s.x, 0);
  EXPECT_NEAR(s.h, 30.1356, 5e-5);
  EXPECT_NEAR(s.twb, 10.38, 5e-3);
}

TEST(Pair1, SaturatedAirTakesTheDryBulbWithoutIteration) {
  const AirState s = Resolved(1, 1.01325, 20, 100.0);
  EXPECT_EQ(s.twb, 20);
  EXPECT_EQ(s.tdp, 20);
}

TEST(Pair2, EqualBulbsGiveSaturation) {
  const AirState s = Resolved(2, 1.01325, 20, 20);
  EXPECT_NEAR(s.RH, 100, 1e-9);
  EXPECT_NEAR(s.x, AbsHumidity(20, 100, 1.01325), 1e-15);
  EXPECT_EQ(s.twb, 20);
}

TEST(Pair2, WetBulbAboveDryBulbEmptiesAllThreeFieldsAndFocusesThePressure) {
  const Refusal r = Refused(2, 1.01325, 20, 21);
  EXPECT_EQ(r.message, "Wet bulb temperature must be less then Dry bulb temperature");
  EXPECT_EQ(r.emptied, (std::vector<InputField>{InputField::Pressure, InputField::First, InputField::Second}));
  EXPECT_EQ(r.focus, InputField::Pressure);
}

TEST(Pair2, WetBulbBelowThePossibleRefusesWithoutTouchingTheFields) {
  const Refusal r = Refused(2, 1.01325, 40, 5);
  EXPECT_EQ(r.message, "Wrong tdb or twb input");
  EXPECT_TRUE(r.emptied.empty());
  EXPECT_FALSE(r.focus.has_value());
}

TEST(Pair2, AgreesWithPair1) {
  const AirState s = Resolved(2, 1.01325, 20, 13.7267);
  EXPECT_NEAR(s.RH, 50, 0.01);
  EXPECT_NEAR(s.tdp, 9.27, 0.01);
  EXPECT_EQ(s.twb, 13.7267);  // as typed
}

TEST(Pair3, EnthalpyAtOrBelowDryAirIsRaisedAndShown) {
  const double hd = Enthalpy(20, 0);  // 20.0796
  for (double h : {hd, 15.0}) {
    const AirState s = Resolved(3, 1.01325, 20, h);
    EXPECT_DOUBLE_EQ(s.h, 1.001 * hd);
    EXPECT_GT(s.x, 0);
    EXPECT_LT(s.x, 1e-5);
  }
}

TEST(Pair3, FreezingDryAir) {
  const AirState s = Resolved(3, 1.01325, 0, 0);
  EXPECT_EQ(s.h, 0);
  EXPECT_EQ(s.x, 0);
  EXPECT_EQ(s.RH, 0);
  EXPECT_EQ(s.tdp, -273);
}

TEST(Pair3, BelowFreezingTheRaiseStillGoesUp) {
  // 1.001 · hd would lower a negative hd and give a negative humidity; hd + 0.1 % of |hd| does not.
  const double hd = Enthalpy(-20, 0);
  const AirState s = Resolved(3, 1.01325, -20, hd);
  EXPECT_DOUBLE_EQ(s.h, hd + 0.001 * std::abs(hd));
  EXPECT_GT(s.x, 0);
  EXPECT_GT(s.RH, 0);
  EXPECT_TRUE(std::isfinite(s.tdp));
  EXPECT_LE(s.twb, -20);
}

TEST(Pair3, SaturatedEnthalpyGivesFullHumidityButIterates) {
  const double hs = Enthalpy(20, AbsHumidity(20, 100, 1.01325));
  const AirState s = Resolved(3, 1.01325, 20, hs);
  EXPECT_NEAR(s.RH, 100, 1e-9);
  EXPECT_NEAR(s.twb, 20, 1e-3);
}

TEST(Pair4, RoundTripOfThePair1State) {
  const AirState one = Resolved(1, 1.01325, 20, 50);
  const AirState four = Resolved(4, 1.01325, one.x, one.h);
  EXPECT_NEAR(four.tdb, 20, 1e-9);
  EXPECT_NEAR(four.RH, 50, 1e-7);
  EXPECT_NEAR(four.twb, one.twb, 1e-4);
  EXPECT_NEAR(four.tdp, one.tdp, 1e-9);
  EXPECT_NEAR(four.ro, one.ro, 1e-9);
}

TEST(Pair4, DryAir) {
  const AirState s = Resolved(4, 1.01325, 0, 30);
  EXPECT_EQ(s.tdp, -273);
  EXPECT_EQ(s.RH, 0);
  EXPECT_NEAR(5.4e-05 * s.tdb * s.tdb + 1.0029 * s.tdb, 30, 1e-9);
}

TEST(Pair5, ReferenceStates) {
  const AirState s = Resolved(5, 1.01325, 20, 0.0073);
  EXPECT_NEAR(s.RH, 50, 0.5);
  EXPECT_NEAR(s.twb, 13.7, 0.1);  // x slightly above the 50 % state
}

TEST(Pair5, AboveXmaxEmptiesTheSecondField) {
  const Refusal r = Refused(5, 1.01325, 20, 0.02);
  EXPECT_EQ(r.message, "Absolute humidity has to be less than xmax");
  EXPECT_EQ(r.emptied, std::vector<InputField>{InputField::Second});
  EXPECT_EQ(r.focus, InputField::Second);
}

TEST(Pair5, SaturatedAirIteratesOnceAndKeepsTheCorrelationsDewPoint) {
  const double xmax = AbsHumidity(20, 100, 1.01325);
  EXPECT_NEAR(xmax, 0.0146811, 5e-8);
  const AirState s = Resolved(5, 1.01325, 20, xmax);
  EXPECT_NEAR(s.RH, 100, 1e-9);
  EXPECT_NEAR(s.twb, 20, 1e-9);
  EXPECT_NEAR(s.tdp, 20.0002, 5e-5);
}

TEST(Pair5, DryAir) {
  const AirState s = Resolved(5, 1.01325, 20, 0);
  EXPECT_EQ(s.tdp, -273);
  EXPECT_EQ(s.pv, 0);
  EXPECT_EQ(s.RH, 0);
}

// Very dry air has its frost point below the range of the frost-point fit, which there
// turns round to impossible values (thousands of degrees); the dew point shown is then
// SatPressure read backwards, always below the dry bulb.
TEST(DewPointOfVeryDryAir, StaysBelowTheDryBulbOverTheWholeRangeOfHumidity) {
  for (double p : {0.1, 1.01325, 10.0}) {
    for (double tdb : {-40.1, -10.0, 0.0, 20.0, 40.0}) {
      for (double RH : {1e-6, 1e-3, 0.1, 0.7, 5.0, 50.0, 99.0}) {
        const AirState s = Resolved(1, p, tdb, RH);
        ASSERT_TRUE(std::isfinite(s.tdp));
        EXPECT_LT(s.tdp, tdb + 0.05) << p << " bar, " << tdb << " C, " << RH << " %";
      }
    }
  }
}

TEST(DewPointOfVeryDryAir, IsWhereSatPressureReachesTheVapourPressure) {
  const AirState s = Resolved(1, 0.1, -10, 1);
  EXPECT_LT(s.tdp, -40);
  EXPECT_NEAR(SatPressure(s.tdp) / s.pv, 1, 1e-9);
  // Pair 4 with a trace of vapour: the same frost point, not the fit's +43 °C.
  const AirState trace = Resolved(4, 1.01325, 0.00001, 10);
  EXPECT_LT(trace.tdp, -40);
  EXPECT_LT(trace.twb, trace.tdb);
}

TEST(DewPointOfVeryDryAir, WithinTheFitsRangeTheFitIsKept) {
  const AirState s = Resolved(1, 1.01325, 20, 50);
  EXPECT_EQ(s.tdp, DewPoint(VapourPressure(s.x, s.p)));
}

TEST(ResolveState, NoInputPairSelected) {
  EXPECT_EQ(Refused(0, 1.01325, 20, 50).message, "Invalid entries, please select an input pair");
}

}  // namespace
}  // namespace vaporel
