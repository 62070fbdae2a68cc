#include "window/model/main_window_model.hpp"

#include <stdexcept>
#include <utility>

namespace vaporel {
namespace {

struct Design {
  const char* name;
  const char* caption;
  bool visible;
  bool enabled;
};

// Captions exactly as the window shows them, double blanks and trailing blanks included.
constexpr Design kDesign[] = {
    // title band
    {"Frame5", "Larkspur III-13", true, true},
    {"Label31", "Software 6:", true, true},
    {"lblVersion", "Version 1.0", true, true},
    {"Label32", "THERMODYNAMIC PROPERTIES OF VAPOREL", true, true},
    {"Label30", "(This Software is based on Larkspur III-6) ", true, true},
    {"Frame6", "Written by the Vaporel developers", true, true},
    {"Label18", "Property fits after the Vaporel humid-air notes", true, true},
    {"Line4", "", true, true},
    // selection
    {"Label11", "Selection option", true, true},
    {"Combo1", "", true, true},
    // input frame
    {"Frame1", "Input data", false, true},
    {"Label1", "Absolute pressure, Pa [bar]", true, true},
    {"Label7", "", true, true},
    {"Label8", "", true, true},
    {"Text2", "", true, false},
    {"Text3", "", true, false},
    {"Text4", "", true, false},
    // command buttons
    {"Command1", "Calculate", false, false},
    {"Command2", "Reset", false, false},
    {"Command3", "Excel", true, false},
    // boundary values panel
    {"Frame3", "Boundary values", false, true},
    {"Label14", "Maximum dry bulb temperature, [oC]", false, true},
    {"Label12", "", false, true},
    {"Label13", "Minimum wet bulb temperature, [oC]", false, true},
    {"Label17", "Maximum absolute humidity, [-]", false, true},
    {"Label15", "Minimum enthalpy, [kJ/kg]", false, true},
    {"Label19", "", false, true},
    {"Label16", "Maximum enthalpy, [kJ/kg]", false, true},
    {"Label21", "", false, true},
    // busy panel
    {"Frame4", "", false, true},
    {"Label68", "Please wait while report is been created ...", true, true},
    // output frame
    {"Frame2", "Output of calculation", false, true},
    {"Label10", "THERMODYNAMIC PROPERTIES", true, true},
    {"Line2", "", true, true},
    {"Label9", "THERMOPHYSICAL PROPERTIES", true, true},
    {"Line3", "", true, true},
    {"Label2(0)", "Absolute pressure, Pa  [bar]", true, true},
    {"Label2(1)", "Dry bulb temperature, tdb  [oC]", true, true},
    {"Label2(2)", "Wet bulb temperature, twb  [oC]", true, true},
    {"Label2(3)", "Dew point temperature, tdp  [oC]", true, true},
    {"Label2(7)", "Absolute humidity, x  [-]", true, true},
    {"Label2(4)", "Density, ro [kg/m3]", true, true},
    {"Label2(5)", "Enthalpy, h  [kJ/kg]", true, true},
    {"Label2(6)", "Vapor pressure, pv  [bar]", true, true},
    {"Label2(8)", "Relative humidity, RH  [%]", true, true},
    {"Label3", "Specific Heat, cp  [kJ/kgda]", true, true},
    {"Label4", "Thermal Conductivity, lam  [W/mK]", true, true},
    {"Label5", "Dynamic Viscosity, mi  [Pa s]", true, true},
    {"Label6", "Prandtl Number, Pr  [-]", true, true},
    {"l7", "", true, true},
    {"l8", "", true, true},
    {"l9", "", true, true},
    {"l10", "", true, true},
    {"l11", "", true, true},
    {"l12", "", true, true},
    {"l13", "", true, true},
    {"l14", "", true, true},
    {"l15", "", true, true},
    {"l16", "", true, true},
    {"l17", "", true, true},
    {"l18", "", true, true},
    {"l19", "", true, true},
    // status bar and menus
    {"StatusBar1", "Note: As a decimal separator use", true, true},
    {"dok", "Source", true, true},
    {"ie", "Properties", true, true},
    {"exit", "Exit", true, true},
};

}  // namespace

MainWindowModel::MainWindowModel() {
  for (const auto& d : kDesign) {
    Control c;
    c.text = d.caption;
    c.visible = d.visible;
    c.enabled = d.enabled;
    controls_.emplace(d.name, std::move(c));
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

bool MainWindowModel::has(std::string_view name) const { return controls_.find(name) != controls_.end(); }

const std::vector<std::string>& MainWindowModel::pairEntries() {
  static const std::vector<std::string> entries = {
      "Dry Bulb Temperature & Relative Humidity", "Dry & Wet Bulb Temperature", "Dry Bulb Temperature & Enthalpy",
      "Absolute Humidity & Enthalpy", "Dry Bulb Temperature & Absolute Humidity"};
  return entries;
}

const std::vector<std::string>& MainWindowModel::tabOrder() {
  static const std::vector<std::string> order = {"Combo1",   "Text2",    "Text3",   "Text4",
                                                 "Command1", "Command2", "Command3"};
  return order;
}

}  // namespace vaporel
