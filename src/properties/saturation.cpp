#include "properties/saturation.hpp"

#include <cmath>

#include "properties/called_power.hpp"
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
  // The sum of SumFromHighestPower with every power a call of std::pow, as it has always
  // been evaluated here, less the call for t^1.
  double sum = a[0] * CalledPower(t, 6);
  for (std::size_t i = 1; i < 6; ++i) sum += a[i] * CalledPower(t, static_cast<int>(6 - i));
  sum += a[6];
  return std::exp(sum);
}

double DewPoint(double pv) {
  const double L = std::log(pv);
  if (pv < kFrostPointLimit) {
    return SumFromHighestPower(kFrostPoint, L);
  }
  // The dew-point fit is summed with its L^5 term first, then the L^6 term.
  const Coefficients<7>& b = kDewPoint;
  double td = b[1] * std::pow(L, 5);
  td += b[0] * std::pow(L, 6);
  td += b[2] * std::pow(L, 4);
  td += b[3] * std::pow(L, 3);
  td += b[4] * std::pow(L, 2);
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
  // Summed with its L^3 term first, then the L^4 term.
  const Coefficients<5>& c = kSatTemperature;
  double ts = c[1] * std::pow(L, 3);
  ts += c[0] * std::pow(L, 4);
  ts += c[2] * std::pow(L, 2);
  ts += c[3] * L;
  ts += c[4];
  return ts;
}

}  // namespace vaporel
