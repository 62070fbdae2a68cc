#include "process/mixing.hpp"

#include <cmath>
#include <string>

#include "process/process_messages.hpp"
#include "process/resolved.hpp"
#include "properties/humid_air.hpp"

namespace vaporel::process {
Outcome Mix(double p, std::span<const AirState> streams, std::span<const double> fractions) {
  for (const double f : fractions) {
    if (!(f > 0)) return ProcessRefusal{std::string(kFractions)};
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
  Outcome mixed = FromAbsHumidityEnthalpy(p, x, h);
  if (const auto* leaving = std::get_if<Leaving>(&mixed);
      leaving && leaving->state.x > SaturatedAbsHumidity(leaving->state.tdb, p)) {
    return ProcessRefusal{std::string(kFog)};
  }
  return mixed;
}

}  // namespace vaporel::process
