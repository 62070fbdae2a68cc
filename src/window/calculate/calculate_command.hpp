#pragma once
// The Calculate command (Command1): the pressure, the selected input pair and the two
// inputs become one state of humid air, shown in the result labels.

#include "window/model/window_context.hpp"

namespace vaporel {

void Calculate(WindowContext& window);

}  // namespace vaporel
