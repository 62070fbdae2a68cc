#pragma once
// The last step of a successful Calculate: the thirteen result labels, the output frame
// and the follow-up commands.

#include "calculation/air_state.hpp"
#include "window/model/window_context.hpp"

namespace vaporel {

// Writes l7 to l19 in label order, then shows Frame2 and enables Reset and Excel.
void DisplayResults(WindowContext& window, const AirState& state);

}  // namespace vaporel
