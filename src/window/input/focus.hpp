#pragma once
// Every move of the keyboard focus that a handler makes goes through here, so that the
// selector's focus handler runs whenever Combo1 really receives the focus.

#include <string_view>

#include "window/model/window_context.hpp"

namespace vaporel {

// Gives `control` the focus; nothing happens when it has it already.
void GiveFocus(WindowContext& window, std::string_view control);

}  // namespace vaporel
