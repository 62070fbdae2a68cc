#pragma once
// The second input field Text4: relative humidity [%] (pair 1), wet-bulb temperature [°C]
// (pair 2), enthalpy [kJ/kg] (pairs 3 and 4) or absolute humidity [kg/kg] (pair 5).

#include "window/model/window_context.hpp"

namespace vaporel {

// The focus is about to leave Text4; false refuses. An accepted value does not move the focus.
bool CheckSecondInputField(WindowContext& window);

}  // namespace vaporel
