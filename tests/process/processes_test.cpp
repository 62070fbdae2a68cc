// Each process against a hand calculation from the program's own relations, and each refusal.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "calculation/resolve_state.hpp"
#include "process/coil.hpp"
#include "process/humidifier.hpp"
#include "process/loads.hpp"
#include "process/mixing.hpp"
#include "process/process_messages.hpp"
#include "process/sensible.hpp"
#include "properties/humid_air.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel::process {
namespace {

constexpr double kP = 1.01325;

AirState State(double tdb, double RH) {
  return std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, kP, tdb, RH));
}

AirState Out(const Outcome& o) {
  EXPECT_TRUE(std::holds_alternative<Leaving>(o)) << std::get<ProcessRefusal>(o).cause;
  return std::get<Leaving>(o).state;
}

std::string Cause(const Outcome& o) {
  return std::holds_alternative<ProcessRefusal>(o) ? std::get<ProcessRefusal>(o).cause : "(not refused)";
}

void ExpectRelative(double got, double want) { EXPECT_NEAR(got, want, 1e-9 * std::abs(want)) << want; }

TEST(Mixing, TakesTheMassWeightedHumidityAndEnthalpy) {
  const std::array streams = {State(32, 40), State(24, 50)};
  const std::array fractions = {0.3, 0.7};
  const AirState mixed = Out(Mix(kP, streams, fractions));
  EXPECT_EQ(mixed.x, 0.3 * streams[0].x + 0.7 * streams[1].x);
  EXPECT_EQ(mixed.h, 0.3 * streams[0].h + 0.7 * streams[1].h);
  EXPECT_EQ(mixed.tdb, DryBulbFromAbsHumidityEnthalpy(mixed.x, mixed.h));
  EXPECT_GT(mixed.tdb, 24);
  EXPECT_LT(mixed.tdb, 32);

  const std::array foggy = {State(45, 100), State(-10, 100)};
  const std::array halves = {0.5, 0.5};
  EXPECT_EQ(Cause(Mix(kP, foggy, halves)), kFog);
  const std::array notOne = {0.3, 0.6};
  EXPECT_EQ(Cause(Mix(kP, streams, notOne)), kFractions);
}

TEST(Sensible, KeepsTheHumidityAndCostsTheEnthalpyRise) {
  const AirState in = State(20, 50);
  const AirState warm = Out(HeatToDryBulb(in, 30));
  EXPECT_EQ(warm.x, in.x);
  EXPECT_DOUBLE_EQ(warm.h, Enthalpy(30, in.x));

  const Outcome byPower = HeatByPower(in, 10, 2);
  const AirState heated = Out(byPower);
  ExpectRelative(heated.h, in.h + 5);
  const Loads loads = ProcessLoads(in, std::get<Leaving>(byPower), 2.0);
  ExpectRelative(loads.total, 10);
  ExpectRelative(loads.sensible, 2 * (Enthalpy(heated.tdb, in.x) - in.h));
  EXPECT_NEAR(loads.shr, 1, 1e-9);
  EXPECT_EQ(loads.water, 0);

  EXPECT_EQ(Cause(HeatToDryBulb(in, in.tdp - 0.5)), kBelowDewPoint);
  EXPECT_EQ(Cause(HeatByPower(in, -80, 2)), kBelowDewPoint);
  EXPECT_EQ(Cause(HeatByPower(in, 10, 0)), kNeedsAirFlow);
}

TEST(Coil, LeavesOnTheLineToTheApparatusDewPointAndFindsItBack) {
  const AirState in = State(26.4, 47);
  const Outcome coil = CoilByApparatusDewPoint(in, 10, 0.1);
  const AirState off = Out(coil);
  const double xAdp = AbsHumidity(10, 100, kP);
  EXPECT_EQ(off.x, 0.1 * in.x + 0.9 * xAdp);
  EXPECT_EQ(off.h, 0.1 * in.h + 0.9 * Enthalpy(10, xAdp));

  const double m = 3.2;
  const Loads loads = ProcessLoads(in, std::get<Leaving>(coil), m);
  ExpectRelative(loads.total, m * (off.h - in.h));
  ExpectRelative(loads.water, m * (off.x - in.x) * 3600);
  ExpectRelative(*loads.condensateHeat, m * (in.x - off.x) * kWaterSpecificHeat * 10);
  EXPECT_LT(loads.water, 0);
  EXPECT_GT(loads.shr, 0);
  EXPECT_LT(loads.shr, 1);

  const Leaving found = std::get<Leaving>(CoilToLeaving(in, off));
  EXPECT_NEAR(found.coil->adp, 10, 1e-6);
  EXPECT_NEAR(found.coil->bypass, 0.1, 1e-6);

  EXPECT_EQ(Cause(CoilByApparatusDewPoint(in, in.tdp + 0.1, 0.1)), kNoDehumidification);
  EXPECT_EQ(Cause(CoilByApparatusDewPoint(in, 10, 1)), kBypassRange);
  EXPECT_EQ(Cause(CoilToLeaving(in, State(18, 90))), kLeavingNotDrier);
}

TEST(Humidifier, AdiabaticFollowsTheEnthalpyAndSteamAddsItsVapourEnthalpy) {
  const AirState in = State(30, 20);
  const AirState sprayed = Out(AdiabaticHumidifier(in, {HumidifierTarget::RelativeHumidity, 60}));
  ExpectRelative(sprayed.h, in.h);
  EXPECT_NEAR(sprayed.RH, 60, 1e-6);
  const AirState saturated = Out(AdiabaticHumidifier(in, {HumidifierTarget::Efficiency, 1}));
  EXPECT_NEAR(saturated.tdb, in.twb, 1e-9);
  EXPECT_EQ(Cause(AdiabaticHumidifier(in, {HumidifierTarget::DryBulb, in.twb - 1})), kBeyondSaturation);
  EXPECT_EQ(Cause(AdiabaticHumidifier(in, {HumidifierTarget::RelativeHumidity, 10})), kLowersHumidity);
  EXPECT_EQ(Cause(AdiabaticHumidifier(in, {HumidifierTarget::Efficiency, 1.5})), kEfficiencyRange);

  const AirState winter = State(22, 15);
  const AirState steamed = Out(SteamHumidifier(winter, {HumidifierTarget::AbsHumidity, 0.007}, 100));
  EXPECT_EQ(steamed.h, winter.h + (0.007 - winter.x) * VapourEnthalpy(100));
  const AirState toRH = Out(SteamHumidifier(winter, {HumidifierTarget::RelativeHumidity, 45}, 100));
  EXPECT_NEAR(toRH.RH, 45, 1e-6);
  EXPECT_GT(toRH.tdb, winter.tdb);  // the steam's enthalpy warms the air a little
  EXPECT_EQ(Cause(SteamHumidifier(winter, {HumidifierTarget::RelativeHumidity, 101}, 100)), kBeyondSaturation);
  EXPECT_EQ(Cause(SteamHumidifier(winter, {HumidifierTarget::AbsHumidity, 0.001}, 100)), kLowersHumidity);
}

TEST(AirFlow, AVolumeOfHumidAirCarriesItsDryAirMass) {
  const AirState at = State(16, 80);
  ExpectRelative(DryAirMassFlow(at, 10000), 10000 * at.ro / ((1 + at.x) * 3600));
  const Loads perKg = ProcessLoads(at, Leaving{Out(HeatToDryBulb(at, 20)), std::nullopt}, std::nullopt);
  EXPECT_FALSE(perKg.massFlow);
  ExpectRelative(perKg.total, Enthalpy(20, at.x) - at.h);
}

}  // namespace
}  // namespace vaporel::process
