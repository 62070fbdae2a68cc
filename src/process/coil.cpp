#include "process/coil.hpp"

#include <string>

#include "calculation/bisection.hpp"
#include "process/process_messages.hpp"
#include "process/resolved.hpp"

namespace vaporel::process {
namespace {

// The search for the apparatus dew point: steps along the extended line, then halvings.
constexpr int kScanSteps = 400;

// How far below saturation the point s of the line E + s·(L − E) lies [kg/kg]: negative
// beyond saturation.
struct Line {
  const AirState& in;
  const AirState& leaving;
  const Formulation& f;
  double x(double s) const { return in.x + s * (leaving.x - in.x); }
  double h(double s) const { return in.h + s * (leaving.h - in.h); }
  double tdb(double s) const { return f.dryBulb(x(s), h(s)); }
  double deficit(double s) const { return f.saturatedHumidity(tdb(s), in.p) - x(s); }
};

}  // namespace

Outcome CoilByApparatusDewPoint(const AirState& in, double adp, double bypass, const Formulation& f) {
  if (!BypassInRange(bypass)) return ProcessRefusal{std::string(kBypassRange)};
  if (!(adp < in.tdp)) return ProcessRefusal{std::string(kNoDehumidification)};
  const double xAdp = f.saturatedHumidity(adp, in.p);
  const double hAdp = f.enthalpy(adp, xAdp);
  Outcome out =
      FromAbsHumidityEnthalpy(in.p, bypass * in.x + (1 - bypass) * xAdp, bypass * in.h + (1 - bypass) * hAdp, f);
  if (auto* leaving = std::get_if<Leaving>(&out)) leaving->coil = CoilPoint{adp, bypass};
  return out;
}

Outcome CoilToLeaving(const AirState& in, const AirState& leaving, const Formulation& f) {
  if (!(leaving.x < in.x)) return ProcessRefusal{std::string(kLeavingNotDrier)};
  const Line line{in, leaving, f};
  // The line reaches x = 0 at sEnd; saturation must be met before.
  const double sEnd = in.x / (in.x - leaving.x);
  double lo = 1;
  if (!(line.deficit(lo) > 0)) return Leaving{leaving, CoilPoint{leaving.tdb, 0}};
  double hi = lo;
  bool crossed = false;
  for (int step = 1; step <= kScanSteps && !crossed; ++step) {
    hi = 1 + (sEnd - 1) * step / kScanSteps;
    if (line.deficit(hi) <= 0) {
      crossed = true;
    } else {
      lo = hi;
    }
  }
  if (!crossed) return ProcessRefusal{std::string(kNoApparatusDewPoint)};
  // Where the deficit falls to zero: -deficit rises to it.
  const double s = Narrow([&line](double at) { return -line.deficit(at); }, 0.0, lo, hi).middle();
  const double adp = line.tdb(s);
  if (!(adp < in.tdp)) return ProcessRefusal{std::string(kNoDehumidification)};
  return Leaving{leaving, CoilPoint{adp, (s - 1) / s}};
}

}  // namespace vaporel::process
