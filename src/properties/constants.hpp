#pragma once
// The physical constants every relation of the program shares, each defined once.

namespace vaporel {

// Molar mass of water vapour over that of dry air [-].
inline constexpr double kMolarMassRatio = 0.62198;
// The same ratio rounded to three digits. Only the dew point behind pair 4's enthalpy
// limits uses it; the panel has always shown limits computed with it, so it stays.
inline constexpr double kRoundedMolarMassRatio = 0.622;

// 0 °C in kelvin [K].
inline constexpr double kKelvinOffset = 273.15;
// The dew point shown for perfectly dry air, and the lowest temperature any search of
// the program goes down to [°C].
inline constexpr double kDryAirDewPoint = -273;

// Enthalpy of humid air per kg of dry air: mean specific heats that rise linearly with t,
// h = (cpa + cpa' t) t + x (r0 + (cpv + cpv' t) t).
inline constexpr double kDryAirHeat = 1.0029;         // cpa [kJ/(kg K)]
inline constexpr double kDryAirHeatSlope = 5.4e-05;   // cpa' [kJ/(kg K^2)]
inline constexpr double kVaporisationHeat = 2500.84;  // r0, at 0 °C [kJ/kg]
inline constexpr double kVapourHeat = 1.856;          // cpv [kJ/(kg K)]
inline constexpr double kVapourHeatSlope = 0.0002;    // cpv' [kJ/(kg K^2)]

// The standard atmosphere [bar]: the pressure a chart shows before any pressure is accepted.
inline constexpr double kStandardPressure = 1.01325;

}  // namespace vaporel
