#include "window/model/main_window_model.hpp"

#include <stdexcept>
#include <utility>

#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

struct Layout {
  std::string_view name;
  const char* caption;
  bool visible;
  bool enabled;
};

// Captions exactly as the window shows them, double blanks and trailing blanks included:
// users and transcripts know them as they stand, tests pin them, none is to be "corrected".
constexpr Layout kControls[] = {
    // title band
    {control::TitleFrame, "Larkspur III-13", true, true},
    {control::SoftwareLabel, "Software 6:", true, true},
    {control::VersionLabel, "Version 1.0", true, true},
    {control::TitleLabel, "THERMODYNAMIC PROPERTIES OF VAPOREL", true, true},
    {control::BasedOnLabel, "(This Software is based on Larkspur III-6) ", true, true},
    {control::CreditsFrame, "Written by the Vaporel developers", true, true},
    {control::CreditsLabel, "Property fits after the Vaporel humid-air notes", true, true},
    {control::TitleRule, "", true, true},
    // selection
    {control::SelectionCaption, "Selection option", true, true},
    {control::PairSelector, "", true, true},
    // input frame
    {control::InputFrame, "Input data", false, true},
    {control::PressureCaption, "Absolute pressure, Pa [bar]", true, true},
    {control::FirstInputCaption, "", true, true},
    {control::SecondInputCaption, "", true, true},
    {control::PressureField, "", true, false},
    {control::FirstInputField, "", true, false},
    {control::SecondInputField, "", true, false},
    // command buttons
    {control::CalculateButton, "Calculate", false, false},
    {control::ResetButton, "Reset", false, false},
    {control::ExcelButton, "Excel", true, false},
    // boundary values panel
    {control::BoundaryFrame, "Boundary values", false, true},
    {control::TdbmaxCaption, "Maximum dry bulb temperature, [oC]", false, true},
    {control::TdbmaxValue, "", false, true},
    {control::TwbminCaption, "Minimum wet bulb temperature, [oC]", false, true},
    {control::XmaxCaption, "Maximum absolute humidity, [-]", false, true},
    {control::HminCaption, "Minimum enthalpy, [kJ/kg]", false, true},
    {control::SecondLimitValue, "", false, true},
    {control::HmaxCaption, "Maximum enthalpy, [kJ/kg]", false, true},
    {control::HmaxValue, "", false, true},
    // busy panel
    {control::BusyPanel, "", false, true},
    {control::BusyMessage, "Please wait while report is been created ...", true, true},
    // output frame
    {control::OutputFrame, "Output of calculation", false, true},
    {control::ThermodynamicHeading, "THERMODYNAMIC PROPERTIES", true, true},
    {control::ThermodynamicRule, "", true, true},
    {control::ThermophysicalHeading, "THERMOPHYSICAL PROPERTIES", true, true},
    {control::ThermophysicalRule, "", true, true},
    {control::PressureResultCaption, "Absolute pressure, Pa  [bar]", true, true},
    {control::TdbResultCaption, "Dry bulb temperature, tdb  [oC]", true, true},
    {control::TwbResultCaption, "Wet bulb temperature, twb  [oC]", true, true},
    {control::TdpResultCaption, "Dew point temperature, tdp  [oC]", true, true},
    {control::XResultCaption, "Absolute humidity, x  [-]", true, true},
    {control::RoResultCaption, "Density, ro [kg/m3]", true, true},
    {control::HResultCaption, "Enthalpy, h  [kJ/kg]", true, true},
    {control::PvResultCaption, "Vapor pressure, pv  [bar]", true, true},
    {control::RhResultCaption, "Relative humidity, RH  [%]", true, true},
    {control::CpResultCaption, "Specific Heat, cp  [kJ/kgda]", true, true},
    {control::LamResultCaption, "Thermal Conductivity, lam  [W/mK]", true, true},
    {control::MiResultCaption, "Dynamic Viscosity, mi  [Pa s]", true, true},
    {control::PrResultCaption, "Prandtl Number, Pr  [-]", true, true},
    {control::PressureResult, "", true, true},
    {control::TdbResult, "", true, true},
    {control::TwbResult, "", true, true},
    {control::TdpResult, "", true, true},
    {control::XResult, "", true, true},
    {control::RoResult, "", true, true},
    {control::HResult, "", true, true},
    {control::PvResult, "", true, true},
    {control::RhResult, "", true, true},
    {control::CpResult, "", true, true},
    {control::LamResult, "", true, true},
    {control::MiResult, "", true, true},
    {control::PrResult, "", true, true},
    // status bar and menus
    {control::StatusBar, "Note: As a decimal separator use", true, true},
    {control::SourceMenu, "Source", true, true},
    {control::PropertiesMenu, "Properties", true, true},
    {control::ExitMenu, "Exit", true, true},
};

}  // namespace

MainWindowModel::MainWindowModel() {
  for (const auto& d : kControls) {
    Control c;
    c.text = d.caption;
    c.visible = d.visible;
    c.enabled = d.enabled;
    controls_.emplace(std::string(d.name), std::move(c));
  }
}

Control& MainWindowModel::operator[](std::string_view name) {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

const Control& MainWindowModel::operator[](std::string_view name) const {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

const std::vector<std::string>& MainWindowModel::pairEntries() {
  static const std::vector<std::string> entries = {
      "Dry Bulb Temperature & Relative Humidity", "Dry & Wet Bulb Temperature", "Dry Bulb Temperature & Enthalpy",
      "Absolute Humidity & Enthalpy", "Dry Bulb Temperature & Absolute Humidity"};
  return entries;
}

const std::vector<std::string>& MainWindowModel::tabOrder() {
  static const std::vector<std::string> order = {
      std::string(control::PairSelector),    std::string(control::PressureField),
      std::string(control::FirstInputField), std::string(control::SecondInputField),
      std::string(control::CalculateButton), std::string(control::ResetButton),
      std::string(control::ExcelButton)};
  return order;
}

}  // namespace vaporel
