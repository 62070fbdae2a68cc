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
    {control::Frame5, "Larkspur III-13", true, true},
    {control::Label31, "Software 6:", true, true},
    {control::lblVersion, "Version 1.0", true, true},
    {control::Label32, "THERMODYNAMIC PROPERTIES OF VAPOREL", true, true},
    {control::Label30, "(This Software is based on Larkspur III-6) ", true, true},
    {control::Frame6, "Written by the Vaporel developers", true, true},
    {control::Label18, "Property fits after the Vaporel humid-air notes", true, true},
    {control::Line4, "", true, true},
    // selection
    {control::Label11, "Selection option", true, true},
    {control::Combo1, "", true, true},
    // input frame
    {control::Frame1, "Input data", false, true},
    {control::Label1, "Absolute pressure, Pa [bar]", true, true},
    {control::Label7, "", true, true},
    {control::Label8, "", true, true},
    {control::Text2, "", true, false},
    {control::Text3, "", true, false},
    {control::Text4, "", true, false},
    // command buttons
    {control::Command1, "Calculate", false, false},
    {control::Command2, "Reset", false, false},
    {control::Command3, "Excel", true, false},
    // boundary values panel
    {control::Frame3, "Boundary values", false, true},
    {control::Label14, "Maximum dry bulb temperature, [oC]", false, true},
    {control::Label12, "", false, true},
    {control::Label13, "Minimum wet bulb temperature, [oC]", false, true},
    {control::Label17, "Maximum absolute humidity, [-]", false, true},
    {control::Label15, "Minimum enthalpy, [kJ/kg]", false, true},
    {control::Label19, "", false, true},
    {control::Label16, "Maximum enthalpy, [kJ/kg]", false, true},
    {control::Label21, "", false, true},
    // busy panel
    {control::Frame4, "", false, true},
    {control::Label68, "Please wait while report is been created ...", true, true},
    // output frame
    {control::Frame2, "Output of calculation", false, true},
    {control::Label10, "THERMODYNAMIC PROPERTIES", true, true},
    {control::Line2, "", true, true},
    {control::Label9, "THERMOPHYSICAL PROPERTIES", true, true},
    {control::Line3, "", true, true},
    {control::Label2_0, "Absolute pressure, Pa  [bar]", true, true},
    {control::Label2_1, "Dry bulb temperature, tdb  [oC]", true, true},
    {control::Label2_2, "Wet bulb temperature, twb  [oC]", true, true},
    {control::Label2_3, "Dew point temperature, tdp  [oC]", true, true},
    {control::Label2_7, "Absolute humidity, x  [-]", true, true},
    {control::Label2_4, "Density, ro [kg/m3]", true, true},
    {control::Label2_5, "Enthalpy, h  [kJ/kg]", true, true},
    {control::Label2_6, "Vapor pressure, pv  [bar]", true, true},
    {control::Label2_8, "Relative humidity, RH  [%]", true, true},
    {control::Label3, "Specific Heat, cp  [kJ/kgda]", true, true},
    {control::Label4, "Thermal Conductivity, lam  [W/mK]", true, true},
    {control::Label5, "Dynamic Viscosity, mi  [Pa s]", true, true},
    {control::Label6, "Prandtl Number, Pr  [-]", true, true},
    {control::l7, "", true, true},
    {control::l8, "", true, true},
    {control::l9, "", true, true},
    {control::l10, "", true, true},
    {control::l11, "", true, true},
    {control::l12, "", true, true},
    {control::l13, "", true, true},
    {control::l14, "", true, true},
    {control::l15, "", true, true},
    {control::l16, "", true, true},
    {control::l17, "", true, true},
    {control::l18, "", true, true},
    {control::l19, "", true, true},
    // status bar and menus
    {control::StatusBar1, "Note: As a decimal separator use", true, true},
    {control::dok, "Source", true, true},
    {control::ie, "Properties", true, true},
    {control::exit, "Exit", true, true},
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
  static const std::vector<std::string> order = {std::string(control::Combo1),   std::string(control::Text2),
                                                 std::string(control::Text3),    std::string(control::Text4),
                                                 std::string(control::Command1), std::string(control::Command2),
                                                 std::string(control::Command3)};
  return order;
}

}  // namespace vaporel
