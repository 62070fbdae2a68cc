#include "project/project_figures.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calculation/result_texts.hpp"

namespace vaporel {
namespace {

std::string Bracketed(Quantity q, UnitSystem units) { return "[" + std::string(UnitName(q, units)) + "]"; }

}  // namespace

double PressureFigure(const SolvedProject& project, UnitSystem units) {
  if (units == project.units && project.givenPressure) return *project.givenPressure;
  return ToUnits(Quantity::Pressure, units, project.pressure);
}

std::array<double, 13> StateFigures(const SolvedProject& project, const SolvedState& state, UnitSystem units) {
  std::array<double, 13> values = ResultValues(state.state, state.props);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = ToUnits(kResultFields[i].quantity, units, values[i]);
  if (units != project.units) return values;
  if (state.state.p == project.pressure) values[0] = PressureFigure(project, units);
  for (const Given& g : state.given) {
    const auto field = std::find_if(kResultFields.begin(), kResultFields.end(),
                                    [&](const ResultField& f) { return f.symbol == PropertyName(g.property); });
    if (field != kResultFields.end()) values[static_cast<std::size_t>(field - kResultFields.begin())] = g.value;
  }
  return values;
}

std::vector<LoadFigure> LoadFigures(const SolvedProcess& process) {
  const process::Loads& l = process.loads;
  std::vector<LoadFigure> figures;
  if (l.massFlow) {
    figures = {{"mass_flow", "flow", Quantity::MassFlow, *l.massFlow, "0.0000"},
               {"total", "total", Quantity::Power, l.total, "0.000"},
               {"sensible", "sensible", Quantity::Power, l.sensible, "0.000"},
               {"latent", "latent", Quantity::Power, l.latent, "0.000"},
               {"shr", "SHR", Quantity::Ratio, l.shr, "0.000"},
               {"water", "water", Quantity::WaterFlow, l.water, "0.000"}};
  } else {
    figures = {{"total_per_kg", "total", Quantity::EnthalpyChange, l.total, "0.000"},
               {"sensible_per_kg", "sensible", Quantity::EnthalpyChange, l.sensible, "0.000"},
               {"latent_per_kg", "latent", Quantity::EnthalpyChange, l.latent, "0.000"},
               {"shr", "SHR", Quantity::Ratio, l.shr, "0.000"},
               {"water_per_kg", "water", Quantity::HumidityRatio, l.water, "0.000000"}};
  }
  if (process.coil) {
    figures.push_back({"adp", "adp", Quantity::Temperature, process.coil->adp, "0.00"});
    figures.push_back({"bypass", "bypass", Quantity::Ratio, process.coil->bypass, "0.000"});
    figures.push_back(
        l.massFlow ? LoadFigure{"condensate_heat", "condensate", Quantity::Power, l.condensateHeat.value_or(0), "0.000"}
                   : LoadFigure{"condensate_heat_per_kg", "condensate", Quantity::EnthalpyChange,
                                l.condensateHeat.value_or(0), "0.000"});
  }
  return figures;
}

TextTable StatesTable(const SolvedProject& project, const Numbers& numbers, UnitSystem units, bool unitRow) {
  TextTable table{{"state"}, {}};
  for (const ResultField& field : kResultFields) table.header.emplace_back(field.symbol);
  if (unitRow) {
    table.rows.emplace_back(1, "");
    for (const ResultField& field : kResultFields) table.rows.back().push_back(Bracketed(field.quantity, units));
  }
  for (const SolvedState& s : project.states) {
    std::vector<std::string> row = {s.name};
    const auto values = StateFigures(project, s, units);
    for (std::size_t i = 0; i < values.size(); ++i) row.push_back(numbers.format(values[i], kResultFields[i].pattern));
    table.rows.push_back(std::move(row));
  }
  return table;
}

TextTable ProcessesTable(const SolvedProject& project, const Numbers& numbers, UnitSystem units) {
  const std::vector<std::string_view> columns = {"flow",  "total", "sensible", "latent",    "SHR",
                                                 "water", "adp",   "bypass",   "condensate"};
  // Each column's quantity over the rows: one, or none when the rows differ (or have no value).
  std::vector<std::optional<Quantity>> shared(columns.size());
  std::vector<bool> mixed(columns.size(), false), used(columns.size(), false);
  for (const SolvedProcess& p : project.processes) {
    for (const LoadFigure& f : LoadFigures(p)) {
      const auto c = static_cast<std::size_t>(std::find(columns.begin(), columns.end(), f.column) - columns.begin());
      if (used[c] && shared[c] != f.quantity) mixed[c] = true;
      used[c] = true;
      shared[c] = f.quantity;
    }
  }
  const bool coils = used[6];
  const std::size_t shown = coils ? columns.size() : 6;
  const auto unitless = [](Quantity q) { return q == Quantity::Ratio; };
  TextTable table{{"process", "from", "into"}, {}};
  for (std::size_t c = 0; c < shown; ++c) {
    std::string head(columns[c]);
    if (c == 0) {
      head += " " + Bracketed(Quantity::MassFlow, units);
    } else if (shared[c] && !mixed[c] && !unitless(*shared[c])) {
      head += " " + Bracketed(*shared[c], units);
    }
    table.header.push_back(head);
  }
  for (const SolvedProcess& p : project.processes) {
    std::string from;
    for (const std::string& name : p.from) from += (from.empty() ? "" : " + ") + name;
    std::vector<std::string> row = {std::string(ProcessKey(p.kind)), from, p.into};
    row.resize(3 + shown, "");
    row[3] = "per kg";
    for (const LoadFigure& f : LoadFigures(p)) {
      const auto c = static_cast<std::size_t>(std::find(columns.begin(), columns.end(), f.column) - columns.begin());
      const double value = ToUnits(f.quantity, units, f.value);
      std::string text = std::isfinite(value) ? numbers.format(value, f.pattern) : std::string("-");
      if (mixed[c] && std::isfinite(value) && !unitless(f.quantity))
        text += " " + std::string(UnitName(f.quantity, units));
      row[3 + c] = text;
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace vaporel
