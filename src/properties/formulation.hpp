#pragma once
// A formulation: the relations a state of humid air is resolved with. "design", the program's
// own correlations, is the default and the only one of the main window and its report;
// "ashrae", the ASHRAE Handbook's ideal-gas equations, is chosen per use. The layers above
// take a formulation through this interface and never name its functions. The thermophysical
// properties (cp, lam, mi, Pr) are the program's under either.

#include <optional>
#include <string_view>

namespace vaporel {

enum class FormulationId { Design, Ashrae };

class Formulation {
 public:
  virtual ~Formulation() = default;
  virtual FormulationId id() const = 0;
  std::string_view name() const { return id() == FormulationId::Ashrae ? "ashrae" : "design"; }

  // Saturation pressure [bar] at t [°C] (over ice below 0 °C); the dew point [°C] of vapour at pv.
  virtual double saturationPressure(double t) const = 0;
  virtual double dewPoint(double pv) const = 0;
  // Humidity ratio [kg/kg] of vapour at pv [bar] in air at p [bar], and back.
  virtual double humidityRatio(double pv, double p) const = 0;
  virtual double vapourPressure(double x, double p) const = 0;
  // Enthalpy [kJ/kg dry air] at t and x; the dry bulb of x and h.
  virtual double enthalpy(double t, double x) const = 0;
  virtual double dryBulb(double x, double h) const = 0;
  // The enthalpy's slope in x at t [kJ/kg of vapour]; the humidity ratio at t of enthalpy h.
  virtual double vapourEnthalpy(double t) const = 0;
  virtual double humidityFromEnthalpy(double h, double t) const = 0;
  // The humidity ratio of saturated air at t and p; the relative humidity [%] of air of humidity
  // ratio x at p where the saturation pressure is ps.
  virtual double saturatedHumidity(double t, double p) const = 0;
  // The humidity ratio of air at t and p of relative humidity RH [%].
  virtual double humidityAt(double t, double RH, double p) const = 0;
  virtual double relativeHumidity(double x, double p, double ps) const = 0;
  // Density [kg/m³] of the humid air at t, x and p.
  virtual double density(double t, double x, double p) const = 0;
  // The wet bulb [°C] of air at t, x and p; the humidity ratio of air at t and p whose wet bulb is twb.
  virtual double wetBulb(double t, double x, double p) const = 0;
  virtual double humidityFromWetBulb(double t, double twb, double p) const = 0;
  // The dry bulbs [°C] its saturation pressure holds for.
  virtual double lowest() const = 0;
  virtual double highest() const = 0;
};

const Formulation& DesignFormulation();
const Formulation& AshraeFormulation();
// "design" or "ashrae"; none for any other name.
const Formulation* FormulationNamed(std::string_view name);
const Formulation& FormulationOf(FormulationId id);

}  // namespace vaporel
