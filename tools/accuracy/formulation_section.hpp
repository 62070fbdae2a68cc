#pragma once

namespace vaporel::accuracy {

// The section of docs/accuracy.md on the "ashrae" formulation: Table 3's saturation
// pressures, Table 2's saturated air and Example 1, each beside the Handbook's printed figures.
void PrintFormulationSection();

}  // namespace vaporel::accuracy
