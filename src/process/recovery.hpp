#pragma once
// Heat recovery between a supply stream and an exhaust stream, a wheel or a plate, by its
// sensible and latent effectiveness. With r = min(m_s, m_e)/m_s:
//   t_s2 = t_s1 + ε_s·r·(t_e1 − t_s1),  x_s2 = x_s1 + ε_l·r·(x_e1 − x_s1);
// the exhaust side by the balances of water and energy:
//   x_e2 = x_e1 − (m_s/m_e)(x_s2 − x_s1),  h_e2 = h_e1 − (m_s/m_e)(h_s2 − h_s1).
// An exhaust beyond saturation leaves saturated at h_e2, the rest of its water condensed.

#include <variant>

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

struct Recovered {
  AirState supply;
  AirState exhaust;
  double condensate = 0;  // [kg per kg of exhaust dry air] condensed on the exhaust side
  bool frost = false;     // water condenses on the exhaust side below 0 °C
};

using RecoveryOutcome = std::variant<Recovered, ProcessRefusal>;

// Effectivenesses in [0, 1]; the dry-air flows' ratio is what counts (balanced: equal).
RecoveryOutcome Recover(const AirState& supplyIn, const AirState& exhaustIn, double sensibleEffectiveness,
                        double latentEffectiveness, double supplyFlow, double exhaustFlow,
                        const Formulation& f = DesignFormulation());

}  // namespace vaporel::process
