#include "project/project_figures.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "calculation/result_texts.hpp"
#include "process/space.hpp"
#include "properties/humid_air.hpp"

namespace vaporel {
namespace {

std::string Bracketed(Quantity q, UnitSystem units) { return "[" + std::string(UnitName(q, units)) + "]"; }

}  // namespace

double PressureFigure(const SolvedProject& project, UnitSystem units) {
  if (units == project.units && project.givenPressure) return *project.givenPressure;
  return ToUnits(Quantity::Pressure, units, project.pressure);
}

std::array<double, 13> StateFigures(const SolvedProject& project, const SolvedState& state, UnitSystem units) {
  if (units != project.units) return ResultValuesIn(units, state.state, state.props);
  const std::optional<double> pressure =
      state.state.p == project.pressure ? std::optional(PressureFigure(project, units)) : std::nullopt;
  return ResultValuesIn(units, state.state, state.props, pressure, state.given);
}

std::vector<LoadFigure> VolumeFigures(const SolvedState& state) {
  const double v = process::SpecificVolume(state.state);
  std::vector<LoadFigure> figures = {{"v", "v", Quantity::SpecificVolume, v, "0.0000"}};
  if (state.massFlow)
    figures.push_back(
        {"volume_flow", "volume", Quantity::VolumeFlow, process::VolumeFlow(state.state, *state.massFlow), "0.0"});
  return figures;
}

std::vector<LoadFigure> LoadFigures(const SolvedProcess& process) {
  const process::Loads& l = process.loads;
  std::vector<LoadFigure> figures;
  if (l.massFlow) {
    figures = {{"mass_flow", "flow", Quantity::MassFlow, *l.massFlow, "0.0000"}};
    if (process.volumeFlow)
      figures.push_back({"volume_flow", "volume", Quantity::VolumeFlow, *process.volumeFlow, "0.0"});
    figures.insert(figures.end(), {{"total", "total", Quantity::Power, l.total, "0.000"},
                                   {"sensible", "sensible", Quantity::Power, l.sensible, "0.000"},
                                   {"latent", "latent", Quantity::Power, l.latent, "0.000"},
                                   {"shr", "SHR", Quantity::Ratio, l.shr, "0.000"},
                                   {"water", "water", Quantity::WaterFlow, l.water, "0.000"}});
  } else {
    figures = {{"total_per_kg", "total", Quantity::EnthalpyChange, l.total, "0.000"},
               {"sensible_per_kg", "sensible", Quantity::EnthalpyChange, l.sensible, "0.000"},
               {"latent_per_kg", "latent", Quantity::EnthalpyChange, l.latent, "0.000"},
               {"shr", "SHR", Quantity::Ratio, l.shr, "0.000"},
               {"water_per_kg", "water", Quantity::HumidityRatio, l.water, "0.000000"}};
  }
  if (process.exhaustCondensate) {
    figures.push_back(l.massFlow ? LoadFigure{"exhaust_condensate", "drained", Quantity::WaterFlow,
                                              *process.exhaustCondensate, "0.000"}
                                 : LoadFigure{"exhaust_condensate_per_kg", "drained", Quantity::HumidityRatio,
                                              *process.exhaustCondensate, "0.000000"});
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

process::ProcessDrawing DrawingOf(const SolvedProject& project) {
  process::ProcessDrawing drawing{project.pressure, project.formulation, {}, {}};
  std::map<std::string, const AirState*> at;
  for (const SolvedState& s : project.states) {
    at[s.name] = &s.state;
    drawing.states.push_back({s.name, s.state.tdb, s.state.x});
  }
  for (const SolvedProcess& p : project.processes) {
    const AirState& into = *at.at(p.into);
    if (p.kind == ProcessKind::Space) {
      // The supply air into the room, on the room's condition line, drawn on to saturation.
      const AirState& room = *at.at(p.from.front());
      drawing.arrows.push_back({into.tdb, into.x, room.tdb, room.x, false});
      if (const auto end = process::SaturationBeyond(project.pressure, {room.tdb, room.x}, {into.tdb, into.x},
                                                     FormulationOf(project.formulation))) {
        drawing.arrows.push_back({into.tdb, into.x, end->tdb, end->x, true});
      }
      continue;
    }
    if (p.kind == ProcessKind::Recover) {  // both streams
      const AirState& exhaust = *at.at(p.exhaustInto);
      drawing.arrows.push_back({at.at(p.from[0])->tdb, at.at(p.from[0])->x, into.tdb, into.x, false});
      drawing.arrows.push_back({at.at(p.from[1])->tdb, at.at(p.from[1])->x, exhaust.tdb, exhaust.x, false});
      continue;
    }
    for (const std::string& from : p.from) {
      drawing.arrows.push_back({at.at(from)->tdb, at.at(from)->x, into.tdb, into.x, false});
    }
    if (p.coil) {
      const double adp = p.coil->adp;
      drawing.arrows.push_back(
          {into.tdb, into.x, adp, FormulationOf(project.formulation).saturatedHumidity(adp, project.pressure), true});
    }
  }
  return drawing;
}

TextTable StatesTable(const SolvedProject& project, const Numbers& numbers, UnitSystem units, bool unitRow) {
  const bool flows = std::any_of(project.states.begin(), project.states.end(),
                                 [](const SolvedState& s) { return s.massFlow.has_value(); });
  TextTable table{{"state"}, {}};
  for (const ResultField& field : kResultFields) table.header.emplace_back(field.symbol);
  table.header.emplace_back("v");
  if (flows) table.header.emplace_back("volume");
  if (unitRow) {
    table.rows.emplace_back(1, "");
    for (const ResultField& field : kResultFields) table.rows.back().push_back(Bracketed(field.quantity, units));
    table.rows.back().push_back(Bracketed(Quantity::SpecificVolume, units));
    if (flows) table.rows.back().push_back(Bracketed(Quantity::VolumeFlow, units));
  }
  for (const SolvedState& s : project.states) {
    std::vector<std::string> row = {s.name};
    const auto values = StateFigures(project, s, units);
    for (std::size_t i = 0; i < values.size(); ++i) row.push_back(numbers.format(values[i], kResultFields[i].pattern));
    for (const LoadFigure& f : VolumeFigures(s))
      row.push_back(numbers.format(ToUnits(f.quantity, units, f.value), f.pattern));
    if (flows) row.resize(table.header.size(), "-");
    table.rows.push_back(std::move(row));
  }
  return table;
}

namespace {

constexpr std::string_view kLoadColumns[] = {"flow",  "volume",  "total", "sensible", "latent",    "SHR",
                                             "water", "drained", "adp",   "bypass",   "condensate"};

std::size_t ColumnOf(const LoadFigure& f) {
  return static_cast<std::size_t>(std::find(std::begin(kLoadColumns), std::end(kLoadColumns), f.column) -
                                  std::begin(kLoadColumns));
}

// Each load column's quantity over the rows, unset where no row has one, and whether rows differ.
struct ColumnUnits {
  std::optional<Quantity> quantity[std::size(kLoadColumns)];
  bool mixed[std::size(kLoadColumns)] = {};
};
ColumnUnits UnitsOfColumns(const SolvedProject& project) {
  ColumnUnits columns;
  for (const SolvedProcess& p : project.processes) {
    for (const LoadFigure& f : LoadFigures(p)) {
      const std::size_t c = ColumnOf(f);
      if (columns.quantity[c] && columns.quantity[c] != f.quantity) columns.mixed[c] = true;
      columns.quantity[c] = f.quantity;
    }
  }
  return columns;
}

bool Unitless(Quantity q) { return q == Quantity::Ratio; }

// A load as its cell shows it: in the units shown, with its unit where its column's rows differ.
std::string Cell(const LoadFigure& f, bool mixed, const Numbers& numbers, UnitSystem units) {
  const double value = ToUnits(f.quantity, units, f.value);
  std::string text = std::isfinite(value) ? numbers.format(value, f.pattern) : std::string("-");
  if (mixed && std::isfinite(value) && !Unitless(f.quantity)) text += " " + std::string(UnitName(f.quantity, units));
  return text;
}

}  // namespace

TextTable ProcessesTable(const SolvedProject& project, const Numbers& numbers, UnitSystem units) {
  const ColumnUnits columns = UnitsOfColumns(project);
  // The flow always; another column where a row has its figure (the coils' three with coils).
  std::vector<std::size_t> shown;
  for (std::size_t c = 0; c < std::size(kLoadColumns); ++c) {
    if (c == 0 || columns.quantity[c]) shown.push_back(c);
  }
  TextTable table{{"process", "from", "into"}, {}};
  for (const std::size_t c : shown) {
    std::string head(kLoadColumns[c]);
    const auto q = c == 0 ? std::optional(Quantity::MassFlow) : columns.quantity[c];
    if (q && !columns.mixed[c] && !Unitless(*q)) head += " " + Bracketed(*q, units);
    table.header.push_back(head);
  }
  for (const SolvedProcess& p : project.processes) {
    std::string from;
    for (const std::string& name : p.from) from += (from.empty() ? "" : " + ") + name;
    std::vector<std::string> row = {std::string(ProcessKey(p.kind)), from,
                                    p.exhaustInto.empty() ? p.into : p.into + " + " + p.exhaustInto};
    row.resize(3 + shown.size(), "");
    row[3] = "per kg";
    for (const LoadFigure& f : LoadFigures(p)) {
      const std::size_t c = ColumnOf(f);
      const std::size_t cell = 3 + static_cast<std::size_t>(std::find(shown.begin(), shown.end(), c) - shown.begin());
      row[cell] = Cell(f, columns.mixed[c], numbers, units);
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace vaporel
