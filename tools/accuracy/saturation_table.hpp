#pragma once

namespace vaporel::accuracy {

// Prints the program's saturated air at 101.325 kPa beside the Handbook's printed table.
void PrintSaturationTable();

}  // namespace vaporel::accuracy
