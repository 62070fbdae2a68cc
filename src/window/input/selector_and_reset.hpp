#pragma once
// The input-pair selector Combo1 and the Reset command (Command2).

#include <array>
#include <string_view>

#include "calculation/input_pair.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/window_context.hpp"

namespace vaporel {

// The input pair Combo1 shows; None while no entry is selected.
InputPair SelectedPair(const MainWindowModel& model);

// A selection was made in Combo1 (by the user, or by the program setting its list index).
void OnPairSelected(WindowContext& window);
// Combo1 received the focus: the inputs and the results are wiped.
void OnSelectorFocus(WindowContext& window);
// Command2 "Reset": the inputs, the boundary values and the results are wiped.
void Reset(WindowContext& window);

}  // namespace vaporel
