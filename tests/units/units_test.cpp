// IP values against the SI values converted by factors written out here, independently of the
// program's table, and the IP enthalpy datum.
#include "units/units.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/resolve_state.hpp"
#include "calculation/thermophysical.hpp"
#include "properties/humid_air.hpp"

namespace vaporel {
namespace {

void ExpectRelative(double got, double want) { EXPECT_NEAR(got, want, 1e-12 * std::abs(want)) << want; }

// ASHRAE Handbook of Fundamentals, chapter 38 conversion factors, to their printed digits'
// definitions: 1 psi = 6894.757293168 Pa, 1 Btu/lb = 2.326 kJ/kg, 1 lb/ft³ = 16.018463374 kg/m³.
TEST(Units, IpResultsAreTheSiResultsConverted) {
  const AirState s = std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, 1.01325, 24, 50));
  const ThermoProps t = ThermophysicalProperties(s);
  const auto ip = [](Quantity q, double si) { return ToUnits(q, UnitSystem::IP, si); };
  const double h0 = Enthalpy(-160.0 / 9.0, 0);
  ExpectRelative(ip(Quantity::Pressure, s.p), s.p * 1e5 / 6894.757293168361);
  ExpectRelative(ip(Quantity::Temperature, s.tdb), s.tdb * 9 / 5 + 32);
  ExpectRelative(ip(Quantity::Density, s.ro), s.ro / 16.018463373960138);
  ExpectRelative(ip(Quantity::Enthalpy, s.h), (s.h - h0) / 2.326);
  ExpectRelative(ip(Quantity::EnthalpyChange, 23.26), 10);
  ExpectRelative(ip(Quantity::SpecificHeat, t.cp), t.cp / 4.1868);
  ExpectRelative(ip(Quantity::Conductivity, t.lam), t.lam / 1.730734666371391);
  ExpectRelative(ip(Quantity::Viscosity, t.mi), t.mi * 2419.088310502283);
  ExpectRelative(ip(Quantity::VolumeFlow, 1000 * 0.028316846592 * 60), 1000.0);  // cfm
  ExpectRelative(ip(Quantity::MassFlow, 1), 60 / 0.45359237);                    // lb/min
  ExpectRelative(ip(Quantity::Power, 12000 * 1.05505585262 / 3600), 12000.0);    // a ton of refrigeration
  ExpectRelative(ip(Quantity::WaterFlow, 0.45359237), 1);
  ExpectRelative(ip(Quantity::Altitude, 1000), 3280.839895013123);
  ExpectRelative(ip(Quantity::GrainsPerPound, 0.01), 70);
  EXPECT_EQ(ip(Quantity::Percent, s.RH), s.RH);
  EXPECT_EQ(ip(Quantity::HumidityRatio, s.x), s.x);
  for (const Quantity q : {Quantity::Pressure, Quantity::Temperature, Quantity::Enthalpy, Quantity::Power}) {
    ExpectRelative(FromUnits(q, UnitSystem::IP, ip(q, 30.5)), 30.5);
    EXPECT_EQ(ToUnits(q, UnitSystem::SI, 30.5), 30.5);
  }
}

TEST(Units, EnthalpyIsCountedFromDryAirAtZeroFahrenheit) {
  const auto btu = [](double tF) {
    return ToUnits(Quantity::Enthalpy, UnitSystem::IP,
                   Enthalpy(FromUnits(Quantity::Temperature, UnitSystem::IP, tF), 0));
  };
  EXPECT_NEAR(btu(0), 0, 1e-12);
  EXPECT_NEAR(btu(32), 7.7, 0.05);
  EXPECT_EQ(UnitName(Quantity::Enthalpy, UnitSystem::IP), "Btu/lb");
  EXPECT_EQ(UnitName(Quantity::Temperature, UnitSystem::SI), "oC");
}

}  // namespace
}  // namespace vaporel
