#include "calculation/formulation_state.hpp"

#include <cmath>
#include <optional>

#include "calculation/bisection.hpp"
#include "properties/constants.hpp"

namespace vaporel {
namespace {

constexpr double kSaturationSlack = 1e-9;  // relative: x this close above saturation is saturated air

Refusal Refused(std::string message) { return Refusal{std::move(message), {}, std::nullopt}; }

using Values = GivenValues;

// The dry bulb in [lo, hi] where f changes sign; none where it does not.
template <class F>
std::optional<double> DryBulbWhere(F f, double lo, double hi) {
  const double atLo = f(lo), atHi = f(hi);
  if (!(std::isfinite(atLo) && std::isfinite(atHi)) || (atLo > 0) == (atHi > 0)) return std::nullopt;
  const double sign = atLo > 0 ? -1 : 1;
  return Narrow([&](double t) { return sign * f(t); }, 0, lo, hi).middle();
}

class Resolver {
 public:
  Resolver(const Formulation& f, double p) : f_(f), p_(p) {}

  double relativeHumidity(double t, double x) const { return f_.relativeHumidity(x, p_, f_.saturationPressure(t)); }
  double humidityFromEnthalpy(double t, double h) const { return f_.humidityFromEnthalpy(h, t); }
  double humidityAtDewPoint(double tdp) const { return f_.saturatedHumidity(tdp, p_); }
  double humidityAt(double t, double RH) const { return f_.humidityRatio(RH / 100 * f_.saturationPressure(t), p_); }

  // The humidity ratio, given the dry bulb and one other value.
  std::optional<double> humidity(double t, const Values& v) const {
    if (v.x) return *v.x;
    if (v.tdp) return humidityAtDewPoint(*v.tdp);
    if (v.RH) return humidityAt(t, *v.RH);
    if (v.twb) return f_.humidityFromWetBulb(t, *v.twb, p_);
    if (v.h) return humidityFromEnthalpy(t, *v.h);
    return std::nullopt;
  }

  // The dry bulb, given the humidity ratio and one other value (not tdp: it follows from x).
  std::optional<double> dryBulb(double x, const Values& v) const {
    if (v.h) return f_.dryBulb(x, *v.h);
    if (v.RH) {
      if (!(*v.RH > 0)) return std::nullopt;
      return f_.dewPoint(f_.vapourPressure(x, p_) / (*v.RH / 100));
    }
    if (v.twb) {
      return DryBulbWhere([&](double t) { return f_.humidityFromWetBulb(t, *v.twb, p_) - x; }, *v.twb, f_.highest());
    }
    return std::nullopt;
  }

  // The dry bulb of two among twb, h and RH.
  std::optional<double> dryBulbOfTwo(const Values& v) const {
    const double lo = v.twb ? *v.twb : f_.lowest();
    const auto x = [&](double t) {
      return v.twb ? f_.humidityFromWetBulb(t, *v.twb, p_) : humidityFromEnthalpy(t, *v.h);
    };
    if (v.RH) return DryBulbWhere([&](double t) { return relativeHumidity(t, x(t)) - *v.RH; }, lo, f_.highest());
    return DryBulbWhere([&](double t) { return x(t) - humidityFromEnthalpy(t, *v.h); }, lo, f_.highest());
  }

  Resolution state(double t, double x, const Values& given) const {
    if (!(std::isfinite(t) && std::isfinite(x))) {
      return Refused("Invalid entries, no state of humid air matches these inputs");
    }
    if (!(t >= f_.lowest() && t <= f_.highest())) {
      return Refused("Invalid entries, the formulation holds from -100 to 200 oC");
    }
    const double ps = f_.saturationPressure(t);
    if (!(ps < p_)) return Refused("Dry bulb temperature is higher then water boiling temperaure");
    const double saturated = f_.humidityRatio(ps, p_);
    if (x < 0) return Refused("Invalid entries, no state of humid air matches these inputs");
    if (x > saturated * (1 + kSaturationSlack)) return Refused("Invalid entries, the state lies beyond saturation");
    AirState s;
    s.p = p_;
    s.tdb = t;
    s.x = std::fmin(x, saturated);
    s.pv = f_.vapourPressure(s.x, p_);
    s.RH = 100 * s.pv / ps;
    s.tdp = s.x > 0 ? f_.dewPoint(s.pv) : kDryAirDewPoint;
    s.h = f_.enthalpy(t, s.x);
    s.twb = f_.wetBulb(t, s.x, p_);
    s.ro = f_.density(t, s.x, p_);
    // The given values come back as given.
    if (given.twb) s.twb = *given.twb;
    if (given.tdp) s.tdp = *given.tdp;
    if (given.RH) s.RH = *given.RH;
    if (given.h) s.h = *given.h;
    return s;
  }

 private:
  const Formulation& f_;
  double p_;
};

}  // namespace

Resolution ResolveIn(const Formulation& formulation, double p, Given a, Given b) {
  if (formulation.id() == FormulationId::Design) return ResolveAnyPair(p, a, b);
  if (auto problem = GivenProblem(p, a, b)) return Refused(*problem);
  const Values v(a, b);
  if (v.tdp && v.x) return Refused("Invalid entries, tdp and x fix no state: one follows from the other");
  const Resolver r(formulation, p);
  const auto none = [] { return Refused("Invalid entries, no state of humid air matches these inputs"); };
  if (v.tdb) {
    const auto x = r.humidity(*v.tdb, v);
    return x ? r.state(*v.tdb, *x, v) : none();
  }
  if (v.x || v.tdp) {
    const double x = v.x ? *v.x : r.humidityAtDewPoint(*v.tdp);
    const auto t = r.dryBulb(x, v);
    return t ? r.state(*t, x, v) : none();
  }
  const auto t = r.dryBulbOfTwo(v);
  if (!t) return none();
  const auto x = r.humidity(*t, v);
  return x ? r.state(*t, *x, v) : none();
}

}  // namespace vaporel
