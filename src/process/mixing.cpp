#include "process/mixing.hpp"

#include <cmath>
#include <string>

#include "process/process_messages.hpp"
#include "process/resolved.hpp"

namespace vaporel::process {
Outcome Mix(double p, std::span<const AirState> streams, std::span<const double> fractions, const Formulation& f) {
  for (const double fraction : fractions) {
    if (!(fraction > 0)) return ProcessRefusal{std::string(kFractions)};
  }
  if (streams.size() != fractions.size() || streams.size() < 2 || !SumsToOne(fractions)) {
    return ProcessRefusal{std::string(kFractions)};
  }
  double x = 0;
  double h = 0;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    x += fractions[i] * streams[i].x;
    h += fractions[i] * streams[i].h;
  }
  Outcome mixed = FromAbsHumidityEnthalpy(p, x, h, f);
  if (const auto* leaving = std::get_if<Leaving>(&mixed);
      leaving && leaving->state.x > f.saturatedHumidity(leaving->state.tdb, p)) {
    return ProcessRefusal{std::string(kFog)};
  }
  return mixed;
}

}  // namespace vaporel::process
