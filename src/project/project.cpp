#include "project/project.hpp"

namespace vaporel {

std::string_view ProcessKey(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Mix: return "mix";
    case ProcessKind::Heat: return "heat";
    case ProcessKind::Coil: return "coil";
    case ProcessKind::Humidify: return "humidify";
  }
  return "heat";
}

std::array<std::string_view, 2> StateKeys(InputPair pair) {
  switch (pair) {
    case InputPair::DryBulbHumidity: return {"tdb", "RH"};
    case InputPair::DryWetBulb: return {"tdb", "twb"};
    case InputPair::DryBulbEnthalpy: return {"tdb", "h"};
    case InputPair::AbsHumidityEnthalpy: return {"x", "h"};
    case InputPair::DryBulbAbsHumidity: return {"tdb", "x"};
    case InputPair::None: break;
  }
  return {};
}

}  // namespace vaporel
