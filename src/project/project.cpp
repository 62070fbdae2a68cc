#include "project/project.hpp"

namespace vaporel {

std::string_view ProcessKey(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Mix: return "mix";
    case ProcessKind::Heat: return "heat";
    case ProcessKind::Coil: return "coil";
    case ProcessKind::Humidify: return "humidify";
    case ProcessKind::Space: return "space";
    case ProcessKind::Recover: return "recover";
  }
  return "heat";
}

}  // namespace vaporel
