// The eight pairs the window does not take: a dew point stands for the vapour pressure at
// which the program's own dew point is the given one, a wet bulb for the enthalpy of
// saturated air at it, and the remaining unknown, the dry bulb, is found by bisection.
#include "calculation/any_pair.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "calculation/bisection.hpp"
#include "calculation/pressure_range.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel {
namespace {

constexpr double kLowestSearch = -100;  // [°C], below any dry bulb the checks accept

constexpr std::array<std::string_view, 6> kNames = {"tdb", "twb", "tdp", "x", "h", "RH"};

Refusal Refused(std::string message) { return Refusal{std::move(message), {}, std::nullopt}; }

// The first argument in [lo, hi] at which rising(arg) reaches target (hi when it never does).
template <class F>
double Bisect(F rising, double target, double lo, double hi) {
  return Narrow(rising, target, lo, hi).hi;
}

// The vapour pressure [bar] whose dew point, as the program shows it, is tdp.
double VapourPressureAtDewPoint(double tdp, double p) {
  const double logPv =
      Bisect([](double lnPv) { return DewPointOrDry(false, std::exp(lnPv)); }, tdp, std::log(1e-12), std::log(p));
  return std::exp(logPv);
}

double AbsHumidityFromVapourPressure(double pv, double p) { return kMolarMassRatio * pv / (p - pv); }

double SaturatedEnthalpy(double twb, double p) { return Enthalpy(twb, SaturatedAbsHumidity(twb, p)); }

// The absolute humidity of air whose dew point is tdp, where t >= tdp is the dry or wet bulb.
// The dew point's fit is not the exact inverse of the saturation pressure's: the dew point it
// gives saturated air at t lies up to 0.04 K from t (below -30 °C; 0.02 K just below 0 °C),
// on either side. A dew point within that distance of t is saturated air at t.
double AbsHumidityAtDewPoint(double tdp, double p, double t) {
  const double x = AbsHumidityFromVapourPressure(VapourPressureAtDewPoint(tdp, p), p);
  if (tdp > t) return x;
  const double xs = SaturatedAbsHumidity(t, p);
  const double disagreement = std::abs(DewPointOrDry(false, SatPressure(t)) - t);
  if (t - tdp <= disagreement) return xs;
  return std::min(x, xs);
}

// The dry bulb at which air of the given humidity (x as a function of tdb) has the given RH.
template <class X>
double DryBulbAtHumidity(X xAt, double RH, double p, double lo) {
  const double top = SatTemperature(p);
  return Bisect([&](double tdb) { return -RelativeHumidity(xAt(tdb), p, SatPressure(tdb)); }, -RH, lo, top);
}

using Values = GivenValues;

}  // namespace

void GivenValues::set(Given g) {
  switch (g.property) {
    case Property::Tdb: tdb = g.value; break;
    case Property::Twb: twb = g.value; break;
    case Property::Tdp: tdp = g.value; break;
    case Property::X: x = g.value; break;
    case Property::H: h = g.value; break;
    case Property::RH: RH = g.value; break;
  }
}

std::optional<std::string> GivenProblem(double p, Given a, Given b) {
  if (a.property == b.property) return "Invalid entries, give two different properties";
  const GivenValues v(a, b);
  if (!InPressureRange(p)) return "Invalid entries, pressure must lie in 0.1 to 10 bar";
  if (v.RH && !(*v.RH >= 0 && *v.RH <= 100)) return "Invalid entries, RH must lie in 0 to 100 %";
  if (v.x && !(*v.x >= 0)) return "Invalid entries, x must not be negative";
  if (v.tdb && v.tdp && *v.tdp > *v.tdb) return "Invalid entries, tdp must not lie above tdb";
  if (v.tdb && v.twb && *v.twb > *v.tdb) return "Invalid entries, twb must not lie above tdb";
  return std::nullopt;
}

namespace {

// The state from x and h, or from tdb and x, checked: finite, at or below saturation, below
// boiling. The given values are put back as given.
Resolution Finished(double p, Resolution r, const Values& given) {
  auto* s = std::get_if<AirState>(&r);
  if (!s) return r;
  for (double value : {s->tdb, s->twb, s->tdp, s->x, s->h, s->RH}) {
    if (!std::isfinite(value)) return Refused("Invalid entries, no state of humid air matches these inputs");
  }
  if (!(s->tdb < SatTemperature(p))) return Refused("Dry bulb temperature is higher then water boiling temperaure");
  if (s->RH > 100 + 1e-9) return Refused("Invalid entries, the state lies beyond saturation");
  if (given.twb) s->twb = *given.twb;
  if (given.tdp) s->tdp = *given.tdp;
  if (given.RH) s->RH = *given.RH;
  return r;
}

Resolution FromAbsHumidityEnthalpy(double p, double x, double h, const Values& given) {
  return Finished(p, ResolveState(InputPair::AbsHumidityEnthalpy, p, x, h), given);
}
Resolution FromDryBulbAbsHumidity(double p, double tdb, double x, const Values& given) {
  if (x > SaturatedAbsHumidity(tdb, p)) return Refused("Invalid entries, the state lies beyond saturation");
  return Finished(p, ResolveState(InputPair::DryBulbAbsHumidity, p, tdb, x), given);
}

// The eight pairs the window does not take.
Resolution ResolveOther(double p, const Values& v) {
  const auto xFromTdp = [&] { return AbsHumidityFromVapourPressure(VapourPressureAtDewPoint(*v.tdp, p), p); };
  if (v.tdb && v.tdp) return FromDryBulbAbsHumidity(p, *v.tdb, AbsHumidityAtDewPoint(*v.tdp, p, *v.tdb), v);
  if (v.twb && v.tdp) {
    return FromAbsHumidityEnthalpy(p, AbsHumidityAtDewPoint(*v.tdp, p, *v.twb), SaturatedEnthalpy(*v.twb, p), v);
  }
  if (v.twb && v.x) return FromAbsHumidityEnthalpy(p, *v.x, SaturatedEnthalpy(*v.twb, p), v);
  if (v.tdp && v.h) return FromAbsHumidityEnthalpy(p, xFromTdp(), *v.h, v);
  if (v.RH && (v.twb || v.h)) {
    const double h = v.h ? *v.h : SaturatedEnthalpy(*v.twb, p);
    const double lo = v.twb ? *v.twb : kLowestSearch;
    const auto xAt = [h](double tdb) { return AbsHumidityFromEnthalpy(h, tdb); };
    const double tdb = DryBulbAtHumidity(xAt, *v.RH, p, lo);
    return FromAbsHumidityEnthalpy(p, xAt(tdb), h, v);
  }
  // RH with tdp or x: the humidity ratio is known, the dry bulb follows.
  const double x = v.x ? *v.x : xFromTdp();
  const double lo = v.tdp ? *v.tdp : kLowestSearch;
  const double tdb = DryBulbAtHumidity([x](double) { return x; }, *v.RH, p, lo);
  // The dry bulb is where the relative humidity's formula reaches RH; the saturated humidity's
  // formula, not its exact inverse, may put x a rounding above saturation there. A dew point's x
  // is the program's own and is taken down to saturation; a given x stays as given.
  if (v.tdp) return FromDryBulbAbsHumidity(p, tdb, std::min(x, SaturatedAbsHumidity(tdb, p)), v);
  return FromDryBulbAbsHumidity(p, tdb, x, v);
}

}  // namespace

std::string_view PropertyName(Property property) { return kNames[static_cast<std::size_t>(property)]; }

std::optional<Property> PropertyNamed(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<Property>(i);
  }
  return std::nullopt;
}

InputPair WindowPair(Property a, Property b) {
  const auto is = [&](Property first, Property second) { return a == first && b == second; };
  if (is(Property::Tdb, Property::RH)) return InputPair::DryBulbHumidity;
  if (is(Property::Tdb, Property::Twb)) return InputPair::DryWetBulb;
  if (is(Property::Tdb, Property::H)) return InputPair::DryBulbEnthalpy;
  if (is(Property::X, Property::H)) return InputPair::AbsHumidityEnthalpy;
  if (is(Property::Tdb, Property::X)) return InputPair::DryBulbAbsHumidity;
  return InputPair::None;
}

Resolution ResolveAnyPair(double p, Given a, Given b) {
  if (a.property == b.property) return Refused("Invalid entries, give two different properties");
  // The window's pairs in the window's order of values.
  for (const auto& [first, second] : {std::pair{a, b}, std::pair{b, a}}) {
    if (const InputPair pair = WindowPair(first.property, second.property); pair != InputPair::None) {
      if (auto problem = GivenProblem(p, first, second)) return Refused(*problem);
      return ResolveState(pair, p, first.value, second.value);
    }
  }
  Values given;
  given.set(a);
  given.set(b);
  if ((given.twb && given.h) || (given.tdp && given.x)) {
    return Refused(std::string("Invalid entries, ") + std::string(PropertyName(a.property)) + " and " +
                   std::string(PropertyName(b.property)) + " fix no state: in this program one follows from the other");
  }
  if (auto problem = GivenProblem(p, a, b)) return Refused(*problem);
  return ResolveOther(p, given);
}

}  // namespace vaporel
