#include "reference.hpp"

#include <cmath>

namespace vaporel::reference {
namespace {

constexpr double kKelvin = 273.15;
constexpr double kPascalPerBar = 1e5;
constexpr double kRatio = 0.621945;  // molar masses of water and dry air
constexpr int kHalvings = 200;

// Bisection for f rising through zero on [lo, hi].
template <class F>
double Rising(F f, double lo, double hi) {
  for (int i = 0; i < kHalvings; ++i) {
    const double mid = lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) break;
    (f(mid) < 0 ? lo : hi) = mid;
  }
  return lo + (hi - lo) / 2;
}

}  // namespace

double SaturationPressure(double t) {
  const double T = t + kKelvin;
  double lnPa;
  if (t < 0) {
    lnPa = -5.6745359e3 / T + 6.3925247 - 9.6778430e-3 * T + 6.2215701e-7 * T * T + 2.0747825e-9 * T * T * T -
           9.4840240e-13 * T * T * T * T + 4.1635019 * std::log(T);
  } else {
    lnPa = -5.8002206e3 / T + 1.3914993 - 4.8640239e-2 * T + 4.1764768e-5 * T * T - 1.4452093e-8 * T * T * T +
           6.5459673 * std::log(T);
  }
  return std::exp(lnPa) / kPascalPerBar;
}

double EnhancementFactor(double t, double p) {
  const double hectopascal = p * 1000;
  return t < 0 ? 1.0003 + 4.18e-6 * hectopascal : 1.0007 + 3.46e-6 * hectopascal;
}

double HumidityRatio(double pw, double p) { return kRatio * pw / (p - pw); }

double Enthalpy(double t, double w) { return 1.006 * t + w * (2501 + 1.86 * t); }

double DewPoint(double pw) {
  return Rising([pw](double t) { return SaturationPressure(t) - pw; }, -150, 200);
}

double WetBulb(double t, double w, double p) {
  // The humidity ratio the psychrometric equation gives for a wet bulb ts, less w: it rises with ts.
  const auto excess = [t, w, p](double ts) {
    const double ws = HumidityRatio(SaturationPressure(ts), p);
    const double given = ts >= 0 ? ((2501 - 2.326 * ts) * ws - 1.006 * (t - ts)) / (2501 + 1.86 * t - 4.186 * ts)
                                 : ((2830 - 0.24 * ts) * ws - 1.006 * (t - ts)) / (2830 + 1.86 * t - 2.1 * ts);
    return given - w;
  };
  return Rising(excess, -100, t);
}

}  // namespace vaporel::reference
