#pragma once
// States and processes as a chart draws them, in plain numbers: each state a named point in dry
// bulb and absolute humidity, each process an arrow from an entering state to the leaving one
// (dashed: a coil's line on to its apparatus dew point, a room's condition line on to saturation).

#include <string>
#include <vector>

#include "properties/formulation.hpp"

namespace vaporel::process {

struct DrawnState {
  std::string name;
  double tdb = 0;  // [°C]
  double x = 0;    // [kg/kg]
};

struct DrawnArrow {
  double fromTdb = 0, fromX = 0;
  double toTdb = 0, toX = 0;
  bool dashed = false;
};

struct ProcessDrawing {
  double p = 0;                                       // [bar]
  FormulationId formulation = FormulationId::Design;  // of the states, and of the chart's curves
  std::vector<DrawnState> states;
  std::vector<DrawnArrow> arrows;
};

}  // namespace vaporel::process
