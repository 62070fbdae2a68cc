// Every pair of tdb, twb, tdp, x, h and RH gives back the state it was taken from, over a grid
// of pressures, temperatures and humidities; the two pairs that fix no state are refused.
#include "calculation/any_pair.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "properties/saturation.hpp"

namespace vaporel {
namespace {

constexpr Property kAll[] = {Property::Tdb, Property::Twb, Property::Tdp, Property::X, Property::H, Property::RH};

double ValueOf(const AirState& s, Property p) {
  switch (p) {
    case Property::Tdb: return s.tdb;
    case Property::Twb: return s.twb;
    case Property::Tdp: return s.tdp;
    case Property::X: return s.x;
    case Property::H: return s.h;
    case Property::RH: return s.RH;
  }
  return 0;
}

// How far a value may come back from its state [its unit]: the wet bulb is the wet-bulb
// iteration's (a residual of its tolerance in h), the rest follow from it. Saturated air by
// pair 1 shows twb = tdp = tdb, not the correlations' values (which lie up to 0.013 K away):
// there the pairs with twb or tdp are left out and only tdb, x, h and RH compared. At 0 °C,
// where the fits over ice and over water do not meet, a dry bulb that comes back a fraction of
// a millikelvin below 0 °C takes the ice fit, and RH moves by up to 0.3 %.
struct Tolerance {
  double tdb = 2e-3, twb = 2e-3, tdp = 2e-3, x = 2e-6, h = 2e-3, RH = 2e-2;
};

// The state back from the pair (a, b) of s's own values.
void ExpectBack(const AirState& s, Property a, Property b, bool saturated) {
  const Tolerance tol;
  const auto back = ResolveAnyPair(s.p, {a, ValueOf(s, a)}, {b, ValueOf(s, b)});
  const std::string where = std::string(PropertyName(a)) + "+" + std::string(PropertyName(b)) + " at " +
                            std::to_string(s.p) + " bar, " + std::to_string(s.tdb) + " oC, " + std::to_string(s.RH) +
                            " %";
  if (!std::holds_alternative<AirState>(back)) {
    ADD_FAILURE() << where << ": " << std::get<Refusal>(back).message;
    return;
  }
  const AirState& r = std::get<AirState>(back);
  EXPECT_EQ(ValueOf(r, a), ValueOf(s, a)) << where << ": the given value as given";
  EXPECT_EQ(ValueOf(r, b), ValueOf(s, b)) << where;
  EXPECT_NEAR(r.tdb, s.tdb, tol.tdb) << where;
  EXPECT_NEAR(r.x, s.x, tol.x * std::max(1.0, s.x)) << where;
  EXPECT_NEAR(r.h, s.h, tol.h * std::max(1.0, std::abs(s.h) / 100)) << where;
  EXPECT_NEAR(r.RH, s.RH, s.tdb == 0 ? 0.3 : tol.RH) << where;
  if (!saturated) {
    EXPECT_NEAR(r.twb, s.twb, tol.twb) << where;
    EXPECT_NEAR(r.tdp, s.tdp, tol.tdp) << where;
  }
}

// Every pair that fixes a state; at saturation, those without twb and tdp.
void ExpectEveryPairBack(const AirState& s, bool saturated) {
  const auto shortcut = [](Property q) { return q == Property::Twb || q == Property::Tdp; };
  for (std::size_t i = 0; i < std::size(kAll); ++i) {
    for (std::size_t j = i + 1; j < std::size(kAll); ++j) {
      const Property a = kAll[i], b = kAll[j];
      const bool fixesNone = (a == Property::Twb && b == Property::H) || (a == Property::Tdp && b == Property::X);
      if (!fixesNone && !(saturated && (shortcut(a) || shortcut(b)))) ExpectBack(s, a, b, saturated);
    }
  }
}

TEST(AnyPair, EveryPairGivesBackTheStateItWasTakenFrom) {
  int states = 0;
  for (const double p : {0.1, 1.01325, 10.0}) {
    for (double tdb = -30; tdb <= 90 && tdb < 0.9 * SatTemperature(p); tdb += 15) {
      for (const double rh : {5.0, 30.0, 60.0, 95.0, 100.0}) {
        ExpectEveryPairBack(std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, p, tdb, rh)), rh == 100);
        ++states;
      }
    }
  }
  EXPECT_GT(states, 40);
}

// A dew point equal to the dry bulb or to the wet bulb is saturated air, at every temperature
// and pressure, though the dew point's fit is not the exact inverse of the saturation
// pressure's; so is RH 100 % with either.
TEST(AnyPair, ADewPointOrWetBulbAtSaturationIsSaturatedAir) {
  int refused = 0, states = 0;
  for (const double p : {0.1, 0.25, 0.5, 1.01325, 2.0, 5.0, 10.0}) {
    for (int step = 0; step <= 1300; ++step) {
      const double t = -40 + step * 0.1;
      if (!(t < SatTemperature(p) - 0.5)) break;  // at the boiling point x has no bound
      const std::pair<Given, Given> pairs[] = {
          {{Property::Tdb, t}, {Property::Tdp, t}},
          {{Property::Twb, t}, {Property::Tdp, t}},
          {{Property::Tdp, t}, {Property::RH, 100}},
          {{Property::Twb, t}, {Property::RH, 100}},
      };
      for (const auto& [a, b] : pairs) {
        ++states;
        const auto r = ResolveAnyPair(p, a, b);
        const std::string where = std::string(PropertyName(a.property)) + "+" + std::string(PropertyName(b.property)) +
                                  " at " + std::to_string(p) + " bar, " + std::to_string(t) + " oC";
        if (!std::holds_alternative<AirState>(r)) {
          if (++refused <= 10) ADD_FAILURE() << where << ": " << std::get<Refusal>(r).message;
          continue;
        }
        const AirState& s = std::get<AirState>(r);
        EXPECT_NEAR(s.RH, 100, 1e-6) << where;
        EXPECT_NEAR(s.tdb, t, 0.05) << where;
      }
    }
  }
  EXPECT_EQ(refused, 0);
  EXPECT_GT(states, 3000);
}

TEST(AnyPair, RefusesWhatFixesNoStateAndWhatLiesOutside) {
  const auto message = [](const Resolution& r) {
    return std::holds_alternative<Refusal>(r) ? std::get<Refusal>(r).message : std::string("(resolved)");
  };
  EXPECT_EQ(message(ResolveAnyPair(1.01325, {Property::Twb, 15}, {Property::H, 40})),
            "Invalid entries, twb and h fix no state: in this program one follows from the other");
  EXPECT_EQ(message(ResolveAnyPair(1.01325, {Property::X, 0.01}, {Property::Tdp, 14})),
            "Invalid entries, x and tdp fix no state: in this program one follows from the other");
  EXPECT_EQ(message(ResolveAnyPair(1.01325, {Property::Tdb, 20}, {Property::Tdp, 25})),
            "Invalid entries, tdp must not lie above tdb");
  EXPECT_EQ(message(ResolveAnyPair(1.01325, {Property::RH, 120}, {Property::X, 0.01})),
            "Invalid entries, RH must lie in 0 to 100 %");
  EXPECT_EQ(message(ResolveAnyPair(20, {Property::RH, 50}, {Property::X, 0.01})),
            "Invalid entries, pressure must lie in 0.1 to 10 bar");
  EXPECT_EQ(message(ResolveAnyPair(1.01325, {Property::Twb, 30}, {Property::X, 0.05})),
            "Invalid entries, the state lies beyond saturation");
  EXPECT_EQ(message(ResolveAnyPair(1.01325, {Property::Twb, 5}, {Property::Tdp, 5.1})),
            "Invalid entries, the state lies beyond saturation");
}

}  // namespace
}  // namespace vaporel
