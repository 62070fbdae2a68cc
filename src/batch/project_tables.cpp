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

Row ProcessRow(const SolvedProcess& p, const Numbers& numbers) {
  const process::Loads& l = p.loads;
  const auto number = [&](double v, std::string_view pattern) {
    return std::isfinite(v) ? numbers.format(v, pattern) : std::string("-");
  };
  Row row = {std::string(ProcessKey(p.kind)),
             From(p),
             p.into,
             l.massFlow ? number(*l.massFlow, "0.0000") : std::string("per kg"),
             number(l.total, "0.000"),
             number(l.sensible, "0.000"),
             number(l.latent, "0.000"),
             number(l.shr, "0.000"),
             number(l.water, l.massFlow ? "0.000" : "0.000000")};
  if (p.coil) {
    row.push_back(number(p.coil->adp, "0.00"));
    row.push_back(number(p.coil->bypass, "0.000"));
    row.push_back(number(l.condensateHeat.value_or(0), "0.000"));
  }
  return row;
}

}  // namespace

std::string ProjectTables(const SolvedProject& project, const Numbers& numbers) {
  std::vector<Row> states = {{"state"}};
  for (const ResultField& field : kResultFields) states.front().emplace_back(field.symbol);
  for (const SolvedState& s : project.states) {
    Row row = {s.name};
    for (std::string& text : ResultTexts(s.state, s.props, numbers)) row.push_back(std::move(text));
    states.push_back(std::move(row));
  }
  std::string out = Aligned(states);
  if (project.processes.empty()) return out;
  const bool perKg = !project.processes.front().loads.massFlow;
  const std::string power = perKg ? "[kJ/kg]" : "[kW]";
  std::vector<Row> processes = {{"process", "from", "into", "flow [kg/s]", "total " + power, "sensible " + power,
                                 "latent " + power, "SHR", perKg ? "water [kg/kg]" : "water [kg/h]", "adp [oC]",
                                 "bypass", "condensate " + power}};
  for (const SolvedProcess& p : project.processes) processes.push_back(ProcessRow(p, numbers));
  return out + '\n' + Aligned(processes);
}

}  // namespace vaporel
