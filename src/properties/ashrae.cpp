#include "properties/ashrae.hpp"

#include <cmath>

#include "properties/constants.hpp"

namespace vaporel::ashrae {
namespace {

constexpr double kPascalPerBar = 1e5;
constexpr double kKilopascalPerBar = 100;
constexpr double kRatio = 0.621945;           // Mw / Ma (eq. 20)
constexpr double kAirGasConstant = 0.287042;  // Ra [kJ/(kg K)] (eq. 26)
constexpr double kVolumeRatio = 1.607858;     // Ma / Mw (eq. 26)
constexpr int kMostSteps = 100;
constexpr double kSettled = 1e-13;  // a step this small (relative) ends the search

// ln ps [Pa] at T [K] and its derivative: eq. 5 (over ice) or eq. 6 (over water).
struct LogPressure {
  double value, slope;
};
LogPressure LogSaturationPressure(double t) {
  const double T = t + kKelvinOffset;
  if (t < 0) {
    constexpr double c1 = -5.6745359e3, c2 = 6.3925247, c3 = -9.6778430e-3, c4 = 6.2215701e-7, c5 = 2.0747825e-9,
                     c6 = -9.4840240e-13, c7 = 4.1635019;
    return {c1 / T + c2 + T * (c3 + T * (c4 + T * (c5 + T * c6))) + c7 * std::log(T),
            -c1 / (T * T) + c3 + T * (2 * c4 + T * (3 * c5 + T * 4 * c6)) + c7 / T};
  }
  constexpr double c8 = -5.8002206e3, c9 = 1.3914993, c10 = -4.8640239e-2, c11 = 4.1764768e-5, c12 = -1.4452093e-8,
                   c13 = 6.5459673;
  return {c8 / T + c9 + T * (c10 + T * (c11 + T * c12)) + c13 * std::log(T),
          -c8 / (T * T) + c10 + T * (2 * c11 + T * 3 * c12) + c13 / T};
}

// The root of a rising function f in [lo, hi] (f(lo) < 0 <= f(hi) assumed), by Newton's steps
// from `start` on f's value and slope, a bisection step wherever Newton's would leave the
// bracket; ends after a step of at most kSettled, or after kMostSteps.
template <class F>
double SafeNewton(F f, double lo, double hi, double start) {
  double t = start;
  for (int step = 0; step < kMostSteps; ++step) {
    double slope = 0;
    const double value = f(t, slope);
    if (value == 0) return t;
    (value < 0 ? lo : hi) = t;
    double next = t - value / slope;
    if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
    if (std::fabs(next - t) <= kSettled * (1 + std::fabs(t)) || !(hi > lo)) return next;
    t = next;
  }
  return t;
}

}  // namespace

double SaturationPressure(double t, double* slope) {
  const LogPressure ln = LogSaturationPressure(t);
  const double ps = std::exp(ln.value) / kPascalPerBar;
  if (slope != nullptr) *slope = ps * ln.slope;
  return ps;
}

double HumidityRatio(double pw, double p) { return kRatio * pw / (p - pw); }

double VapourPressure(double w, double p) { return p * w / (kRatio + w); }

double VapourEnthalpy(double t) { return 2501 + 1.86 * t; }

double Enthalpy(double t, double w) { return 1.006 * t + w * VapourEnthalpy(t); }

double HumidityFromEnthalpy(double h, double t) { return (h - 1.006 * t) / VapourEnthalpy(t); }

double DryBulb(double w, double h) { return (h - 2501 * w) / (1.006 + 1.86 * w); }

double SpecificVolume(double t, double w, double p) {
  return kAirGasConstant * (t + kKelvinOffset) * (1 + kVolumeRatio * w) / (p * kKilopascalPerBar);
}

double Density(double t, double w, double p) { return (1 + w) / SpecificVolume(t, w, p); }

namespace {

// The psychrometric equation at a wet bulb ts, over ice or over water: the humidity ratio it
// gives, and its slope in ts.
double FromWetBulb(double t, double ts, double p, double& slope, bool ice) {
  double dps = 0;
  const double ps = SaturationPressure(ts, &dps);
  const double ws = HumidityRatio(ps, p);
  const double dws = kRatio * p / ((p - ps) * (p - ps)) * dps;
  // Eq. 33 above freezing (liquid water at ts), eq. 35 below (ice).
  const double a = ice ? 2830 : 2501, b = ice ? 0.24 : 2.326, c = ice ? 2.1 : 4.186;
  const double numerator = (a - b * ts) * ws - 1.006 * (t - ts);
  const double denominator = a + 1.86 * t - c * ts;
  const double dNumerator = -b * ws + (a - b * ts) * dws + 1.006;
  slope = (dNumerator * denominator + numerator * c) / (denominator * denominator);
  return numerator / denominator;
}

}  // namespace

double HumidityFromWetBulb(double t, double twb, double p) {
  double slope = 0;
  return FromWetBulb(t, twb, p, slope, twb < 0);
}

double WetBulb(double t, double w, double p) {
  // Over each phase the humidity ratio of the psychrometric equation rises with the wet bulb;
  // at ts = t it is the saturated one, at or above w. At 0 °C it steps down from ice to water,
  // so that near 0 °C in dry air a root may lie on either side: the one over water is taken
  // where there is one, at or above 0 °C. Newton's steps start from the top of the phase's range.
  double slope = 0;
  const bool water = t >= 0 && FromWetBulb(t, 0, p, slope, false) <= w;
  const double top = water || t < 0 ? t : 0;
  return SafeNewton([&](double ts, double& d) { return FromWetBulb(t, ts, p, d, !water) - w; }, water ? 0.0 : kLowest,
                    top, top);
}

double DewPoint(double pw) {
  const double target = std::log(pw * kPascalPerBar);
  // A first guess from the Magnus form over water, kept inside the range.
  const double guess = 243.12 * std::log(pw * kPascalPerBar / 611.2) / (17.62 - std::log(pw * kPascalPerBar / 611.2));
  const double start = std::fmin(std::fmax(std::isfinite(guess) ? guess : 0, kLowest), kHighest);
  return SafeNewton(
      [&](double t, double& slope) {
        const LogPressure ln = LogSaturationPressure(t);
        slope = ln.slope;
        return ln.value - target;
      },
      kLowest, kHighest, start);
}

}  // namespace vaporel::ashrae
