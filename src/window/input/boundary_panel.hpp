#pragma once
// The boundary values panel (Frame3): three rows of limits, held only as the texts of
// Label12 (tdbmax), Label19 (twbmin, hmin or xmax) and Label21 (hmax). A check that
// needs a limit reads the text back, so it compares at display precision.

#include <string>
#include <string_view>

#include "calculation/boundary_values.hpp"
#include "calculation/check_sequence.hpp"
#include "window/model/window_context.hpp"

namespace vaporel {

// A pressure was accepted: row 1 rewritten (shown for every pair but 4), rows 2 and 3 hidden.
void ShowMaxDryBulb(WindowContext& window, InputPair pair, const std::string& tdbmaxText);
// The first input passed the numeric test: rows 2 and 3 hidden before its range tests.
void HideSecondInputLimits(WindowContext& window);
// The first input was accepted: rows 2 and 3 as its verdict gives them (pair 1: none).
void ShowSecondInputLimits(WindowContext& window, const FirstInputStep& step);
// The second input of pair 4 passed the numeric test: its recomputed limits, visibility unchanged.
void WriteEnthalpyLimits(WindowContext& window, const std::string& hminText, const std::string& hmaxText);
// A new input pair was selected: every value label and every row 2 and 3 caption hidden.
void HideBoundaryValues(WindowContext& window);

}  // namespace vaporel
