#pragma once
// The saturation curve of water: closed-form fits, no iteration, no state.

namespace vaporel {

// Saturation pressure of water vapour [bar] at t [°C]: over ice below 0 °C,
// over liquid water from 0 °C upward (the two fits do not meet at 0 °C).
// Validated from -40 to 180 °C.
double SatPressure(double t);

// Dew point [°C] (frost point below 0.0061 bar) of vapour at partial pressure pv [bar], pv > 0.
double DewPoint(double pv);

// The temperature [°C] at which SatPressure(t) equals pv [bar], pv > 0: SatPressure read
// backwards by bisection on [-150, 180] °C. It serves frost points below -40 °C, where the
// DewPoint fit has left its range.
double SatPressureInverse(double pv);

// Saturation (boiling) temperature of water [°C] at pressure p [bar], p > 0.
double SatTemperature(double p);

}  // namespace vaporel
