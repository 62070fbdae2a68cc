#include <algorithm>
#include <cmath>
#include <vector>

#include "batch/project_mode.hpp"
#include "calculation/result_texts.hpp"

namespace vaporel {
namespace {

using Row = std::vector<std::string>;

// Columns padded to their widest cell: the first left-aligned, the others right-aligned.
std::string Aligned(const std::vector<Row>& rows) {
  std::vector<std::size_t> widths;
  for (const Row& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  std::string out;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string pad(widths[i] - row[i].size(), ' ');
      line += i == 0 ? row[i] + pad : "  " + pad + row[i];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + '\n';
  }
  return out;
}

std::string From(const SolvedProcess& p) {
  std::string from;
  for (const std::string& name : p.from) from += (from.empty() ? "" : " + ") + name;
  return from;
}

// The units of a process's figures: per kg of dry air without an air flow, else per hour.
struct LoadUnits {
  Quantity power, water;
};
LoadUnits LoadUnitsOf(bool perKg) {
  return perKg ? LoadUnits{Quantity::EnthalpyChange, Quantity::HumidityRatio}
               : LoadUnits{Quantity::Power, Quantity::WaterFlow};
}

Row ProcessRow(const SolvedProcess& p, const Numbers& numbers, UnitSystem units) {
  const process::Loads& l = p.loads;
  const LoadUnits u = LoadUnitsOf(!l.massFlow);
  const auto number = [&](Quantity q, double v, std::string_view pattern) {
    return std::isfinite(v) ? numbers.format(ToUnits(q, units, v), pattern) : std::string("-");
  };
  Row row = {std::string(ProcessKey(p.kind)),
             From(p),
             p.into,
             l.massFlow ? number(Quantity::MassFlow, *l.massFlow, "0.0000") : std::string("per kg"),
             number(u.power, l.total, "0.000"),
             number(u.power, l.sensible, "0.000"),
             number(u.power, l.latent, "0.000"),
             number(Quantity::Ratio, l.shr, "0.000"),
             number(u.water, l.water, l.massFlow ? "0.000" : "0.000000")};
  if (p.coil) {
    row.push_back(number(Quantity::Temperature, p.coil->adp, "0.00"));
    row.push_back(number(Quantity::Ratio, p.coil->bypass, "0.000"));
    row.push_back(number(u.power, l.condensateHeat.value_or(0), "0.000"));
  }
  return row;
}

std::string Bracketed(Quantity q, UnitSystem units) { return "[" + std::string(UnitName(q, units)) + "]"; }

}  // namespace

std::string ProjectTables(const SolvedProject& project, const Numbers& numbers, UnitSystem units) {
  std::vector<Row> states = {{"state"}};
  for (const ResultField& field : kResultFields) states.front().emplace_back(field.symbol);
  // SI tables keep the header they always had; IP ones say their units under it.
  if (units != UnitSystem::SI) {
    states.emplace_back(1, "");
    for (const Quantity q : kResultQuantities) states.back().push_back(Bracketed(q, units));
  }
  for (const SolvedState& s : project.states) {
    Row row = {s.name};
    const auto values = ResultValues(s.state, s.props);
    for (std::size_t i = 0; i < values.size(); ++i) {
      row.push_back(numbers.format(ToUnits(kResultQuantities[i], units, values[i]), kResultFields[i].pattern));
    }
    states.push_back(std::move(row));
  }
  std::string out = Aligned(states);
  if (project.processes.empty()) return out;
  const LoadUnits u = LoadUnitsOf(!project.processes.front().loads.massFlow);
  const std::string power = " " + Bracketed(u.power, units);
  std::vector<Row> processes = {{"process", "from", "into", "flow " + Bracketed(Quantity::MassFlow, units),
                                 "total" + power, "sensible" + power, "latent" + power, "SHR",
                                 "water " + Bracketed(u.water, units), "adp " + Bracketed(Quantity::Temperature, units),
                                 "bypass", "condensate" + power}};
  for (const SolvedProcess& p : project.processes) processes.push_back(ProcessRow(p, numbers, units));
  return out + '\n' + Aligned(processes);
}

}  // namespace vaporel
