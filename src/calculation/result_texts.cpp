#include "calculation/result_texts.hpp"

namespace vaporel {

const std::array<ResultField, 13> kResultFields = {{
    {"l7", "p", "##0.000", Quantity::Pressure},
    {"l8", "tdb", "###0.00", Quantity::Temperature},
    {"l9", "twb", "###0.00", Quantity::Temperature},
    {"l10", "tdp", "###0.00", Quantity::Temperature},
    {"l11", "x", "##0.00000", Quantity::HumidityRatio},
    {"l12", "ro", "##0.0000", Quantity::Density},
    {"l13", "h", "####0.00", Quantity::Enthalpy},
    {"l14", "pv", "#0.00000", Quantity::Pressure},
    {"l15", "RH", "##0.0", Quantity::Percent},
    {"l16", "cp", "#0.0000", Quantity::SpecificHeat},
    {"l17", "lam", "#0.000000", Quantity::Conductivity},
    {"l18", "mi", "#0.000E+00", Quantity::Viscosity},
    {"l19", "Pr", "#0.000", Quantity::Ratio},
}};

std::array<double, 13> ResultValues(const AirState& s, const ThermoProps& t) {
  return {s.p, s.tdb, s.twb, s.tdp, s.x, s.ro, s.h, s.pv, s.RH, t.cp, t.lam, t.mi, t.Pr};
}

std::array<std::string, 13> ResultTexts(const AirState& state, const ThermoProps& props, const Numbers& numbers) {
  const std::array<double, 13> values = ResultValues(state, props);
  std::array<std::string, 13> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = numbers.format(values[i], kResultFields[i].pattern);
  }
  return texts;
}

}  // namespace vaporel
