#pragma once
// The check that every input field runs when the focus is about to leave it: an empty
// field passes, a text that is not a number and a value that fails the field's own tests
// are refused with a message, and a refused field is emptied, red and keeps the focus.

#include <optional>
#include <string>
#include <string_view>

#include "window/model/window_context.hpp"

namespace vaporel {

// The field's own tests and actions on its numeric value: nullopt accepts, a message refuses.
using FieldTests = std::optional<std::string> (*)(WindowContext& window, double value);

// Runs the check of `field`; false refuses the focus change.
bool CheckField(WindowContext& window, std::string_view field, FieldTests ownTests);

}  // namespace vaporel
