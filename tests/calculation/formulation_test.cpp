// The ASHRAE Handbook's formulation (2017, SI, chapter 1) held to the Handbook's own figures:
// Table 3's saturation pressures, Table 2's saturated air, Example 1; every pair of values
// taken from one state gives that state back.
#include "properties/formulation.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/formulation_state.hpp"
#include "calculation/zone.hpp"

namespace vaporel {
namespace {

const Formulation& kAshrae = AshraeFormulation();
constexpr double kStandard = 1.01325;

AirState Resolved(double p, Given a, Given b) {
  const Resolution r = ResolveIn(kAshrae, p, a, b);
  if (const auto* refused = std::get_if<Refusal>(&r)) ADD_FAILURE() << refused->message;
  return std::get_if<AirState>(&r) ? std::get<AirState>(r) : AirState{};
}

// Table 3: within 300 ppm from −20 °C up (the table is the same equations, rounded).
TEST(AshraeFormulation, SaturationPressureOfTable3) {
  const std::pair<double, double> table[] = {{-20, 103.24}, {-5, 401.74},    {5, 872.6},     {25, 3169.7},
                                             {50, 12351.3}, {100, 101418.0}, {150, 476101.4}};
  for (const auto& [t, pascal] : table) {
    EXPECT_NEAR(kAshrae.saturationPressure(t) * 1e5 / pascal, 1, 300e-6) << t;
  }
  EXPECT_NEAR(kAshrae.saturationPressure(-60) * 1e5, 1.08, 0.005);
  // The dew point reads the saturation pressure back, over ice and over water.
  for (const double t : {-60.0, -20.0, -0.5, 0.5, 25.0, 150.0}) {
    EXPECT_NEAR(kAshrae.dewPoint(kAshrae.saturationPressure(t)), t, 1e-9) << t;
  }
}

// Table 2 at 101.325 kPa includes the enhancement factor, which the ideal-gas equations leave
// out: their saturated humidity ratio lies up to 0.7 % below it to 50 °C and 1.4 % at 85 °C.
TEST(AshraeFormulation, SaturatedAirBesideTable2) {
  const struct {
    double t, ws, hs;
  } table[] = {{-50, 0.0000243, -50.222}, {-20, 0.0006373, -18.542}, {-5, 0.0024863, 1.164},  {5, 0.005425, 18.639},
               {25, 0.020173, 76.504},    {50, 0.086863, 275.353},   {85, 0.838105, 2307.539}};
  for (const auto& row : table) {
    const double ws = kAshrae.humidityRatio(kAshrae.saturationPressure(row.t), kStandard);
    const double below = 1 - ws / row.ws;
    EXPECT_GT(below, 0) << row.t;
    EXPECT_LT(below, row.t <= 50 ? 0.007 : 0.015) << row.t;
    EXPECT_NEAR(kAshrae.enthalpy(row.t, ws), row.hs, row.t <= 50 ? 1.3 : 33) << row.t;
  }
}

// Example 1: 40 °C dry bulb, 20 °C wet bulb at 101.325 kPa. The equations give W = 0.006401,
// a dew point of 7.43 °C, RH 13.98 %, h 56.72 kJ/kg, v 0.89625 m³/kg; the Handbook prints
// W = 0.0065 (its W_s* read from Table 2), h 56.7, v 0.896.
TEST(AshraeFormulation, Example1) {
  const AirState s = Resolved(kStandard, {Property::Tdb, 40}, {Property::Twb, 20});
  EXPECT_NEAR(s.x, 0.006401, 1e-6);
  EXPECT_NEAR(s.tdp, 7.43, 0.005);
  EXPECT_NEAR(s.RH, 13.98, 0.005);
  EXPECT_NEAR(s.h, 56.72, 0.005);
  EXPECT_NEAR((1 + s.x) / s.ro, 0.8963, 1e-4);
  EXPECT_NEAR(s.x, 0.0065, 0.0001);
  EXPECT_NEAR(s.h, 56.7, 0.1);
  EXPECT_NEAR((1 + s.x) / s.ro, 0.896, 0.001);
}

// From each state, every pair of its values but tdp with x gives it back; below freezing (the
// wet bulb over ice), in the heat, at 0.5 and 5 bar.
TEST(AshraeFormulation, EveryPairGivesTheStateBack) {
  const Property all[] = {Property::Tdb, Property::Twb, Property::Tdp, Property::X, Property::H, Property::RH};
  const std::tuple<double, double, double> states[] = {
      {1.01325, 40, 25}, {1.01325, -10, 60}, {0.5, 70, 30}, {5, 120, 40}};
  for (const auto& [p, tdb, RH] : states) {
    const AirState s = Resolved(p, {Property::Tdb, tdb}, {Property::RH, RH});
    EXPECT_NEAR(kAshrae.humidityFromWetBulb(s.tdb, s.twb, p), s.x, 1e-12) << tdb;
    for (const Property a : all) {
      for (const Property b : all) {
        if (a >= b || (a == Property::Tdp && b == Property::X)) continue;
        const AirState back = Resolved(p, {a, ValueOf(a, s)}, {b, ValueOf(b, s)});
        EXPECT_NEAR(back.tdb, s.tdb, 1e-7) << tdb << " " << PropertyName(a) << "+" << PropertyName(b);
        EXPECT_NEAR(back.x, s.x, 1e-9 * (1 + s.x)) << tdb << " " << PropertyName(a) << "+" << PropertyName(b);
      }
    }
  }
  const Resolution none = ResolveIn(kAshrae, kStandard, {Property::Tdp, 10}, {Property::X, 0.007});
  ASSERT_TRUE(std::holds_alternative<Refusal>(none));
  const Resolution wet = ResolveIn(kAshrae, kStandard, {Property::Tdb, 20}, {Property::X, 0.02});
  EXPECT_EQ(std::get<Refusal>(wet).message, "Invalid entries, the state lies beyond saturation");
}

}  // namespace
}  // namespace vaporel
