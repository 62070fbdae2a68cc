// The Handbook's formulation beside the Handbook (ASHRAE Handbook — Fundamentals 2017, SI,
// chapter 1): the figures its tables and its Example 1 print, and what the program computes
// with `--formulation ashrae` (and, for the example, with its own correlations).
#include "formulation_section.hpp"

#include <cstdio>
#include <variant>

#include "calculation/formulation_state.hpp"
#include "properties/formulation.hpp"
#include "reference.hpp"

namespace vaporel::accuracy {
namespace {

constexpr double kStandard = 1.01325;  // [bar]
constexpr double kPascalPerBar = 1e5;

struct PrintedPressure {
  double t, pascal;
};
constexpr PrintedPressure kTable3[] = {{-60, 1.08},  {-20, 103.24}, {-5, 401.74},    {5, 872.6},
                                       {25, 3169.7}, {50, 12351.3}, {100, 101418.0}, {150, 476101.4}};

struct PrintedSaturated {
  double t, ws, hs;
};
constexpr PrintedSaturated kTable2[] = {{-50, 0.0000243, -50.222}, {-20, 0.0006373, -18.542}, {-5, 0.0024863, 1.164},
                                        {5, 0.005425, 18.639},     {25, 0.020173, 76.504},    {50, 0.086863, 275.353},
                                        {85, 0.838105, 2307.539}};

AirState Example1(const Formulation& f) {
  const Resolution r = ResolveIn(f, kStandard, {Property::Tdb, 40}, {Property::Twb, 20});
  return std::holds_alternative<AirState>(r) ? std::get<AirState>(r) : AirState{};
}

void PrintPressures(const Formulation& ashrae) {
  std::printf("**Saturation pressure** beside Table 3\n\n");
  std::printf("| t [°C] | Table 3 [Pa] | ashrae [Pa] | difference [ppm] |\n|---|---|---|---|\n");
  for (const PrintedPressure& row : kTable3) {
    const double pa = ashrae.saturationPressure(row.t) * kPascalPerBar;
    std::printf("| %g | %.7g | %.7g | %+.0f |\n", row.t, row.pascal, pa, (pa / row.pascal - 1) * 1e6);
  }
}

void PrintSaturated(const Formulation& ashrae) {
  std::printf(
      "\n**Saturated air at 101.325 kPa** beside Table 2 (Ws with f: the vapour pressure raised by "
      "Buck's enhancement factor)\n\n");
  std::printf(
      "| t [°C] | Ws, Table 2 | Ws, ashrae | difference | Ws with f | difference | hs, Table 2 [kJ/kg] | hs, "
      "ashrae [kJ/kg] | difference |\n|---|---|---|---|---|---|---|---|---|\n");
  for (const PrintedSaturated& row : kTable2) {
    const double ps = ashrae.saturationPressure(row.t);
    const double ws = ashrae.humidityRatio(ps, kStandard);
    const double enhanced = ashrae.humidityRatio(reference::EnhancementFactor(row.t, kStandard) * ps, kStandard);
    const double hs = ashrae.enthalpy(row.t, ws);
    std::printf("| %g | %.7g | %.7g | %+.2f %% | %.7g | %+.2f %% | %.3f | %.3f | %+.3f |\n", row.t, row.ws, ws,
                (ws / row.ws - 1) * 100, enhanced, (enhanced / row.ws - 1) * 100, row.hs, hs, hs - row.hs);
  }
}

void PrintExample(const Formulation& ashrae) {
  const AirState a = Example1(ashrae), d = Example1(DesignFormulation());
  std::printf(
      "\n**Example 1**: 40 °C dry bulb, 20 °C wet bulb, 101.325 kPa "
      "(`vaporel-calc --formulation ashrae --precise tdb+twb 1.01325 40 20`)\n\n");
  std::printf("| | W [kg/kg] | tdp [°C] | RH [%%] | h [kJ/kg] | v [m³/kg] |\n|---|---|---|---|---|---|\n");
  std::printf("| printed (W_s* from Table 2) | 0.0065 | — | — | 56.7 | 0.896 |\n");
  const auto row = [](const char* name, const AirState& s) {
    std::printf("| %s | %.6f | %.2f | %.2f | %.2f | %.4f |\n", name, s.x, s.tdp, s.RH, s.h, (1 + s.x) / s.ro);
  };
  row("ashrae", a);
  row("design", d);
}

}  // namespace

void PrintFormulationSection() {
  const Formulation& ashrae = AshraeFormulation();
  std::printf("\n## The Handbook's formulation beside the Handbook\n\n");
  std::printf(
      "`--formulation ashrae` resolves states with the equations above, the Handbook's own. "
      "Here they are beside the figures the Handbook prints.\n\n");
  PrintPressures(ashrae);
  PrintSaturated(ashrae);
  PrintExample(ashrae);
}

}  // namespace vaporel::accuracy
