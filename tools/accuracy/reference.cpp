#include "reference.hpp"

namespace vaporel::reference {

double EnhancementFactor(double t, double p) {
  const double hectopascal = p * 1000;
  return t < 0 ? 1.0003 + 4.18e-6 * hectopascal : 1.0007 + 3.46e-6 * hectopascal;
}

}  // namespace vaporel::reference
