#include "process/humidifier.hpp"

#include <string>

#include "calculation/bisection.hpp"
#include "process/process_messages.hpp"
#include "process/resolved.hpp"

namespace vaporel::process {
namespace {

constexpr int kWidenings = 60;

ProcessRefusal Refused(std::string_view cause) { return ProcessRefusal{std::string(cause)}; }

// The first argument at which rising(arg) reaches target on [lo, hi], rising(lo) <= target.
template <class F>
double Reach(F rising, double target, double lo, double hi) {
  return Narrow(rising, target, lo, hi).middle();
}

// Along the entering enthalpy to the dry bulb t, between the wet bulb and the dry bulb.
Outcome AlongEnthalpyTo(const AirState& in, double t, const Formulation& f) {
  if (t > in.tdb) return Refused(kLowersHumidity);
  if (t < in.twb) return Refused(kBeyondSaturation);
  return FromAbsHumidityEnthalpy(in.p, f.humidityFromEnthalpy(in.h, t), in.h, f);
}

Outcome NotBeyondSaturation(Outcome out, const Formulation& f) {
  if (const auto* leaving = std::get_if<Leaving>(&out);
      leaving && leaving->state.x > f.saturatedHumidity(leaving->state.tdb, leaving->state.p)) {
    return Refused(kBeyondSaturation);
  }
  return out;
}

// Relative humidity [%] of air with absolute humidity x and enthalpy h at p.
double RelativeHumidityAt(double p, double x, double h, const Formulation& f) {
  return f.relativeHumidity(x, p, f.saturationPressure(f.dryBulb(x, h)));
}

}  // namespace

Outcome AdiabaticHumidifier(const AirState& in, Target target, const Formulation& f) {
  switch (target.kind) {
    case HumidifierTarget::DryBulb: return AlongEnthalpyTo(in, target.value, f);
    case HumidifierTarget::Efficiency:
      if (!EfficiencyInRange(target.value)) return Refused(kEfficiencyRange);
      return AlongEnthalpyTo(in, in.tdb - target.value * (in.tdb - in.twb), f);
    case HumidifierTarget::AbsHumidity:
      if (target.value < in.x) return Refused(kLowersHumidity);
      return NotBeyondSaturation(FromAbsHumidityEnthalpy(in.p, target.value, in.h, f), f);
    case HumidifierTarget::RelativeHumidity:
      if (target.value < in.RH) return Refused(kLowersHumidity);
      if (target.value > 100) return Refused(kBeyondSaturation);
      // RH falls as t rises along the line; search t on [twb, tdb] for the target.
      const double t =
          Reach([&](double tdb) { return -RelativeHumidityAt(in.p, f.humidityFromEnthalpy(in.h, tdb), in.h, f); },
                -target.value, in.twb, in.tdb);
      return AlongEnthalpyTo(in, t, f);
  }
  return Refused(kBeyondSaturation);
}

Outcome SteamHumidifier(const AirState& in, Target target, double steamTemperature, const Formulation& f) {
  const double hv = f.vapourEnthalpy(steamTemperature);
  const auto enthalpyAt = [&](double x) { return in.h + (x - in.x) * hv; };
  double x = target.value;
  if (target.kind == HumidifierTarget::RelativeHumidity) {
    if (target.value < in.RH) return Refused(kLowersHumidity);
    if (target.value > 100) return Refused(kBeyondSaturation);
    const auto rh = [&](double xi) { return RelativeHumidityAt(in.p, xi, enthalpyAt(xi), f); };
    double hi = in.x + f.saturatedHumidity(in.tdb, in.p) + 1e-6;
    for (int step = 0; step < kWidenings && rh(hi) < target.value; ++step) hi *= 2;
    x = Reach(rh, target.value, in.x, hi);
  } else if (target.kind != HumidifierTarget::AbsHumidity) {
    return Refused(kSteamTarget);
  }
  if (x < in.x) return Refused(kLowersHumidity);
  return NotBeyondSaturation(FromAbsHumidityEnthalpy(in.p, x, enthalpyAt(x), f), f);
}

}  // namespace vaporel::process
