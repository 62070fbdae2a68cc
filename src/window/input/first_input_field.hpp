#pragma once
// The first input field Text3: the dry-bulb temperature [°C] (pairs 1, 2, 3, 5) or the
// absolute humidity [kg/kg] (pair 4).

#include "window/model/window_context.hpp"

namespace vaporel {

// The focus is about to leave Text3; false refuses. An accepted value fills rows 2 and 3
// of the boundary values panel and, for pairs 2 to 5, sends the focus to Text4.
bool CheckFirstInputField(WindowContext& window);

}  // namespace vaporel
