#include "units/units.hpp"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "calculation/result_texts.hpp"
#include "properties/humid_air.hpp"

namespace vaporel {
namespace {

// The definitions every factor is derived from.
constexpr double kPound = 0.45359237;  // kg: the international pound (1959 agreement)
constexpr double kFoot = 0.3048;       // m: the international foot (1959 agreement)
constexpr double kInch = kFoot / 12;   // m
constexpr double kGravity = 9.80665;   // m/s²: standard gravity (3rd CGPM, 1901), for the pound-force
constexpr double kBtu =
    1055.05585262;  // J: the International Table Btu (5th International Steam Table Conference, 1956)
constexpr double kFahrenheitDegree = 5.0 / 9.0;               // K per °F
constexpr double kGrainsPerPound = 7000;                      // gr/lb: the grain is 1/7000 lb
constexpr double kBar = 1e5;                                  // Pa
constexpr double kPsi = kPound * kGravity / (kInch * kInch);  // Pa
constexpr double kCubicFoot = kFoot * kFoot * kFoot;          // m³
constexpr double kZeroFahrenheit = -32 * kFahrenheitDegree;   // °C

// ip = (si - siZero) * factor; si = ip / factor + siZero. The scales' common zero is taken
// out first, so that a whole number of °F typed comes back as itself.
struct Conversion {
  Quantity quantity;
  std::string_view si;
  std::string_view ip;
  double factor;
  double siZero = 0;
  bool enthalpyDatum = false;  // siZero is dry air's enthalpy at 0 °F
};

constexpr Conversion kConversions[] = {
    {Quantity::Pressure, "bar", "psia", kBar / kPsi},
    {Quantity::Temperature, "oC", "oF", 1 / kFahrenheitDegree, kZeroFahrenheit},
    {Quantity::HumidityRatio, "kg/kg", "lb/lb", 1},
    {Quantity::Density, "kg/m3", "lb/ft3", kCubicFoot / kPound},
    {Quantity::Enthalpy, "kJ/kg", "Btu/lb", 1000 * kPound / kBtu, 0, true},  // 1 Btu/lb = 2.326 kJ/kg
    {Quantity::EnthalpyChange, "kJ/kg", "Btu/lb", 1000 * kPound / kBtu},
    {Quantity::Percent, "%", "%", 1},
    {Quantity::SpecificHeat, "kJ/(kg K)", "Btu/(lb oF)", 1000 * kPound* kFahrenheitDegree / kBtu},
    {Quantity::Conductivity, "W/(m K)", "Btu/(h ft oF)", 3600 * kFoot* kFahrenheitDegree / kBtu},
    {Quantity::Viscosity, "Pa s", "lb/(ft h)", kFoot * 3600 / kPound},
    {Quantity::Ratio, "-", "-", 1},
    {Quantity::VolumeFlow, "m3/h", "cfm", 1 / (60 * kCubicFoot)},
    {Quantity::MassFlow, "kg/s", "lb/min", 60 / kPound},
    {Quantity::Power, "kW", "Btu/h", 1000 * 3600 / kBtu},
    {Quantity::WaterFlow, "kg/h", "lb/h", 1 / kPound},
    {Quantity::Altitude, "m", "ft", 1 / kFoot},
    {Quantity::GrainsPerPound, "kg/kg", "gr/lb", kGrainsPerPound},
    {Quantity::SpecificVolume, "m3/kg", "ft3/lb", kPound / kCubicFoot},
};

// The table is indexed by the quantity.
constexpr bool InQuantityOrder() {
  for (std::size_t i = 0; i < std::size(kConversions); ++i) {
    if (static_cast<std::size_t>(kConversions[i].quantity) != i) return false;
  }
  return true;
}
static_assert(InQuantityOrder() && std::size(kConversions) == static_cast<std::size_t>(Quantity::SpecificVolume) + 1);

const Conversion& ConversionOf(Quantity quantity) { return kConversions[static_cast<std::size_t>(quantity)]; }

// Dry air at 0 °F by the program's own enthalpy.
double SiZero(const Conversion& c) { return c.enthalpyDatum ? Enthalpy(kZeroFahrenheit, 0) : c.siZero; }

}  // namespace

std::optional<UnitSystem> UnitSystemNamed(std::string_view name) {
  const auto is = [name](std::string_view lower) {
    return name.size() == lower.size() && std::equal(name.begin(), name.end(), lower.begin(), [](char a, char b) {
             return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
  };
  if (is("si")) return UnitSystem::SI;
  if (is("ip")) return UnitSystem::IP;
  return std::nullopt;
}

std::string_view UnitSystemName(UnitSystem units) { return units == UnitSystem::IP ? "ip" : "si"; }

std::array<double, 13> ResultValuesIn(UnitSystem units, const AirState& state, const ThermoProps& props,
                                      std::optional<double> givenPressure, std::span<const Given> given) {
  std::array<double, 13> values = ResultValues(state, props);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = ToUnits(kResultFields[i].quantity, units, values[i]);
  if (givenPressure) values[0] = *givenPressure;
  for (const Given& g : given) {
    for (std::size_t i = 0; i < kResultFields.size(); ++i) {
      if (kResultFields[i].symbol == PropertyName(g.property)) values[i] = g.value;
    }
  }
  return values;
}

double ToUnits(Quantity quantity, UnitSystem units, double si) {
  if (units == UnitSystem::SI) return si;
  const Conversion& c = ConversionOf(quantity);
  return (si - SiZero(c)) * c.factor;
}

double FromUnits(Quantity quantity, UnitSystem units, double value) {
  if (units == UnitSystem::SI) return value;
  const Conversion& c = ConversionOf(quantity);
  return value / c.factor + SiZero(c);
}

std::string_view UnitName(Quantity quantity, UnitSystem units) {
  const Conversion& c = ConversionOf(quantity);
  return units == UnitSystem::IP ? c.ip : c.si;
}

Quantity QuantityOf(Property property) {
  switch (property) {
    case Property::Tdb:
    case Property::Twb:
    case Property::Tdp: return Quantity::Temperature;
    case Property::X: return Quantity::HumidityRatio;
    case Property::H: return Quantity::Enthalpy;
    case Property::RH: return Quantity::Percent;
  }
  return Quantity::Ratio;
}

}  // namespace vaporel
