#pragma once
// The pressure of the standard atmosphere at a site's altitude.

namespace vaporel {

// p = 101.325 (1 − 2.25577·10⁻⁵ Z)^5.2559 kPa at the altitude Z [m] (the standard atmosphere
// as the ASHRAE Handbook of Fundamentals, chapter 1, gives it), in bar. Defined below 44 330 m
// (NaN above, where the base turns negative).
double StandardAtmospherePressure(double altitude);

}  // namespace vaporel
