#pragma once
// The pressure field Text2 [bar].

#include "window/model/window_context.hpp"

namespace vaporel {

// The focus is about to leave Text2; false refuses. An accepted pressure rewrites row 1 of
// the boundary values panel and sends the focus to Text3.
bool CheckPressureField(WindowContext& window);

}  // namespace vaporel
