#pragma once
// The entry filter of the three input fields: it runs after every change of a field's
// text and keeps the text a non-negative number within the field's clamp, or empty.

#include <string>
#include <string_view>

#include "window/model/window_context.hpp"

namespace vaporel {

// Sets a field's text as the program or the user does; a change raises the entry filter.
void SetFieldText(WindowContext& window, std::string_view field, std::string text);

// The filter itself, on the text the field holds now ("Text2", "Text3" or "Text4").
void RunEntryFilter(WindowContext& window, std::string_view field);

}  // namespace vaporel
