#pragma once
// The keys each table of a project file may hold, each listed once.

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calculation/quantity.hpp"
#include "project/project.hpp"

namespace vaporel {

inline constexpr std::array<std::string_view, 8> kProjectKeys = {"units",  "formulation", "pressure", "altitude",
                                                                 "states", "processes",   "airflow",  "zones"};
// In the order of Property.
inline constexpr std::array<std::string_view, 6> kStateKeys = {"tdb", "twb", "tdp", "x", "h", "RH"};
// A zone's bounds: "tdb_min", "tdb_max", ... in the order of Property.
inline constexpr std::array<std::string_view, 12> kZoneKeys = {"tdb_min", "tdb_max", "twb_min", "twb_max",
                                                               "tdp_min", "tdp_max", "x_min",   "x_max",
                                                               "h_min",   "h_max",   "RH_min",  "RH_max"};
inline constexpr std::array<std::string_view, 3> kAirFlowKeys = {"state", "volume", "mass"};
// A figure of a process: its key, where the process keeps it, its quantity and the caption
// its dialog shows. The reader, the writer, the conversion of units and the dialogs follow
// this one list.
struct ProcessFigure {
  std::string_view key;
  std::optional<double>* (*slot)(ProcessInput& process);
  Quantity quantity;
  std::string_view caption;

  std::optional<double>& of(ProcessInput& process) const { return *slot(process); }
  const std::optional<double>& of(const ProcessInput& process) const {
    return *slot(const_cast<ProcessInput&>(process));  // NOLINT: the slot only points, it writes nothing
  }
};

template <class Figures, std::optional<double> Figures::*field>
std::optional<double>* Slot(ProcessInput& process) {
  return &(std::get<Figures>(process.figures).*field);
}

inline constexpr ProcessFigure kHeatFigures[] = {
    {"tdb", Slot<HeatFigures, &HeatFigures::tdb>, Quantity::Temperature, "Leaving dry bulb temperature"},
    {"power", Slot<HeatFigures, &HeatFigures::power>, Quantity::Power, "or power (negative cools)"},
};
inline constexpr ProcessFigure kCoilFigures[] = {
    {"adp", Slot<CoilFigures, &CoilFigures::adp>, Quantity::Temperature, "Apparatus dew point"},
    {"bypass", Slot<CoilFigures, &CoilFigures::bypass>, Quantity::Ratio, "Bypass factor"},
    {"tdb", Slot<CoilFigures, &CoilFigures::tdb>, Quantity::Temperature, "Leaving dry bulb (with RH or x)"},
    {"RH", Slot<CoilFigures, &CoilFigures::RH>, Quantity::Percent, "Leaving relative humidity"},
    {"x", Slot<CoilFigures, &CoilFigures::x>, Quantity::HumidityRatio, "Leaving absolute humidity"},
};
inline constexpr ProcessFigure kHumidifyFigures[] = {
    {"RH", Slot<HumidifyFigures, &HumidifyFigures::RH>, Quantity::Percent, "Target relative humidity"},
    {"x", Slot<HumidifyFigures, &HumidifyFigures::x>, Quantity::HumidityRatio, "or absolute humidity"},
    {"tdb", Slot<HumidifyFigures, &HumidifyFigures::tdb>, Quantity::Temperature, "or dry bulb (adiabatic)"},
    {"efficiency", Slot<HumidifyFigures, &HumidifyFigures::efficiency>, Quantity::Ratio,
     "or saturation efficiency (adiabatic)"},
    {"steam_temperature", Slot<HumidifyFigures, &HumidifyFigures::steamTemperature>, Quantity::Temperature,
     "Steam temperature (steam)"},
};

inline constexpr ProcessFigure kSpaceFigures[] = {
    {"sensible", Slot<SpaceFigures, &SpaceFigures::sensible>, Quantity::Power, "Sensible load of the room"},
    {"latent", Slot<SpaceFigures, &SpaceFigures::latent>, Quantity::Power, "Latent load of the room"},
    {"supply_tdb", Slot<SpaceFigures, &SpaceFigures::supplyTdb>, Quantity::Temperature, "Supply dry bulb temperature"},
    {"supply_mass", Slot<SpaceFigures, &SpaceFigures::supplyMass>, Quantity::MassFlow, "or supply dry-air flow"},
    {"supply_volume", Slot<SpaceFigures, &SpaceFigures::supplyVolume>, Quantity::VolumeFlow, "or supply volume flow"},
};

inline constexpr ProcessFigure kRecoverFigures[] = {
    {"sensible_effectiveness", Slot<RecoverFigures, &RecoverFigures::sensibleEffectiveness>, Quantity::Ratio,
     "Sensible effectiveness"},
    {"latent_effectiveness", Slot<RecoverFigures, &RecoverFigures::latentEffectiveness>, Quantity::Ratio,
     "Latent effectiveness (0 for a plate)"},
};

// Every kind, in the order of ProcessKind.
inline constexpr ProcessKind kProcessKinds[] = {ProcessKind::Mix,      ProcessKind::Heat,  ProcessKind::Coil,
                                                ProcessKind::Humidify, ProcessKind::Space, ProcessKind::Recover};

// A figure that may be taken from a state ("NAME.PROPERTY"): one of a state's own quantities.
inline bool MayReferToState(const ProcessFigure& figure) {
  return figure.quantity == Quantity::Temperature || figure.quantity == Quantity::Percent ||
         figure.quantity == Quantity::HumidityRatio || figure.quantity == Quantity::Enthalpy;
}

// An empty process of a kind, to be given its figures.
inline ProcessInput ProcessOfKind(ProcessKind kind) {
  ProcessInput process;
  switch (kind) {
    case ProcessKind::Mix: process.figures = MixFigures{}; break;
    case ProcessKind::Heat: process.figures = HeatFigures{}; break;
    case ProcessKind::Coil: process.figures = CoilFigures{}; break;
    case ProcessKind::Humidify: process.figures = HumidifyFigures{}; break;
    case ProcessKind::Space: process.figures = SpaceFigures{}; break;
    case ProcessKind::Recover: process.figures = RecoverFigures{}; break;
  }
  return process;
}

// The numbers a process kind takes, in the order they are written and shown (a mix's are its
// fractions, one per state mixed).
inline std::span<const ProcessFigure> FiguresOf(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Heat: return kHeatFigures;
    case ProcessKind::Coil: return kCoilFigures;
    case ProcessKind::Humidify: return kHumidifyFigures;
    case ProcessKind::Space: return kSpaceFigures;
    case ProcessKind::Recover: return kRecoverFigures;
    case ProcessKind::Mix: break;
  }
  return {};
}

// Every key of a process kind: the kind's own (the state it starts from), a mix's fractions or
// flows, a humidifier's method, the figures, and into.
inline std::vector<std::string_view> KeysOf(ProcessKind kind) {
  std::vector<std::string_view> keys = {ProcessKey(kind)};
  if (kind == ProcessKind::Mix) keys.insert(keys.end(), {"fractions", "flows", "mass_flows"});
  if (kind == ProcessKind::Recover) keys.insert(keys.end(), {"flows", "mass_flows"});
  if (kind == ProcessKind::Humidify) keys.push_back("method");
  for (const ProcessFigure& figure : FiguresOf(kind)) keys.push_back(figure.key);
  keys.push_back("into");
  return keys;
}

}  // namespace vaporel
