// Saturated air at standard pressure: the program beside the printed table engineers look
// up (ASHRAE Handbook of Fundamentals 2017, chapter 1, table 2), and how much of the
// difference the enhancement factor explains: the table's real-gas humidity ratio has it,
// the program's ideal-mixture x does not.
#include "saturation_table.hpp"

#include <cstdio>

#include "properties/formulation.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "reference.hpp"

namespace vaporel::accuracy {
namespace {

constexpr double kStandard = 1.01325;  // [bar]

struct Printed {
  double t;   // [°C]
  double ws;  // the table's humidity ratio at saturation [kg/kg]
};
constexpr Printed kTable[] = {{-20, 0.0006373}, {-5, 0.0024863}, {5, 0.005425},
                              {25, 0.020173},   {50, 0.086863},  {85, 0.838105}};

// Enthalpy [kJ/kg] by the Handbook's perfect-gas equation, for the printed humidity ratio.
double HandbookEnthalpy(double t, double w) { return 1.006 * t + w * (2501 + 1.86 * t); }

double Percent(double value, double against) { return (value / against - 1) * 100; }

}  // namespace

void PrintSaturationTable() {
  std::printf("\n**Saturated air at 101.325 kPa**, the program beside the printed table\n\n");
  std::printf(
      "| t [°C] | Ws, table | xs, program | difference | xs with f | difference | ps, Hyland–Wexler [bar] | ps, "
      "program "
      "[bar] | difference | hs from the table's Ws [kJ/kg] | hs, program [kJ/kg] | difference |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  for (const Printed& row : kTable) {
    const double ps = SatPressure(row.t);
    const double xs = AbsHumidityAt(ps, 100, kStandard);
    const double f = reference::EnhancementFactor(row.t, kStandard);
    const double xsEnhanced = AbsHumidityAt(f * ps, 100, kStandard);
    const double psReference = AshraeFormulation().saturationPressure(row.t);
    const double hsTable = HandbookEnthalpy(row.t, row.ws);
    const double hs = Enthalpy(row.t, xs);
    std::printf("| %g | %.7g | %.7g | %+.2f %% | %.7g | %+.2f %% | %.6g | %.6g | %+.3f %% | %.2f | %.2f | %+.2f |\n",
                row.t, row.ws, xs, Percent(xs, row.ws), xsEnhanced, Percent(xsEnhanced, row.ws), psReference, ps,
                Percent(ps, psReference), hsTable, hs, hs - hsTable);
  }
}

}  // namespace vaporel::accuracy
