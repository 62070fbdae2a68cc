#include "properties/saturation.hpp"

#include <cmath>

#include "properties/certified_powers.hpp"
#include "properties/polynomial.hpp"

namespace vaporel {
namespace {

// ln ps [bar] as a polynomial in t [°C], coefficients from t^6 down to the constant.
constexpr Coefficients<7> kSatPressureWater = {-7.789316e-15, 7.363934e-12, -3.381446e-9, 1.096061e-6,
                                               -2.974345e-4,  7.261845e-2,  -5.098158};
constexpr Coefficients<7> kSatPressureIce = {-2.465132e-9, -2.733306e-7, -1.12064e-5, -2.065871e-4,
                                             -2.017579e-3, 7.729193e-2,  -5.101152};

// td [°C] as a polynomial in L = ln pv [bar], from L^6 down to the constant.
constexpr Coefficients<7> kFrostPoint = {0.02269088, 0.9304916, 15.77327, 141.4955, 709.0106, 1895.048, 2133.115};
constexpr Coefficients<7> kDewPoint = {5.51819e-5, 0.00128514, 0.0178628, 0.21188, 2.39768, 27.9482, 99.6343};
// ts [°C] as a polynomial in L = ln p [bar], from L^4 down to the constant.
constexpr Coefficients<5> kSatTemperature = {0.0147968, 0.227202, 2.42628, 27.9062, 99.6172};
// Vapour pressure [bar] below which the frost-point fit applies.
constexpr double kFrostPointLimit = 0.0061;

}  // namespace

double SatPressure(double t) {
  // t = 0 takes the liquid-water fit; the two fits do not meet at 0 °C.
  const Coefficients<7>& a = t < 0 ? kSatPressureIce : kSatPressureWater;
  return std::exp(SumFromHighestPower(a, PowersAsPow(t, 6)));
}

double DewPoint(double pv) {
  const double L = std::log(pv);
  if (pv < kFrostPointLimit) {
    return SumFromHighestPower(kFrostPoint, PowersAsPow(L, 6));
  }
  // The dew-point fit takes L^2 as L * L and is summed with its L^5 term first, then L^6.
  const PowerTable power = WithProductSquare(PowersAsPow(L, 6));
  const Coefficients<7>& b = kDewPoint;
  double td = b[1] * power[5];
  td += b[0] * power[6];
  td += b[2] * power[4];
  td += b[3] * power[3];
  td += b[4] * power[2];
  td += b[5] * L;
  td += b[6];
  return td;
}

double SatPressureInverse(double pv) {
  // SatPressure rises with t over the whole interval (with its step up at 0 °C), so
  // bisection finds where it passes pv; 200 halvings reach adjacent doubles.
  double lo = -150;
  double hi = 180;
  for (int step = 0; step < 200; ++step) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi)) break;
    if (SatPressure(mid) < pv) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lo + (hi - lo) / 2;
}

double SatTemperature(double p) {
  const double L = std::log(p);
  // L^2 taken as L * L; summed with its L^3 term first, then the L^4 term.
  const PowerTable power = WithProductSquare(PowersAsPow(L, 4));
  const Coefficients<5>& c = kSatTemperature;
  double ts = c[1] * power[3];
  ts += c[0] * power[4];
  ts += c[2] * power[2];
  ts += c[3] * L;
  ts += c[4];
  return ts;
}

}  // namespace vaporel
