#include "properties/formulation.hpp"

#include "properties/ashrae.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"
#include "properties/wet_bulb.hpp"

namespace vaporel {
namespace {

// The program's own correlations. Its wet bulb is that of saturated air of the state's
// enthalpy, found to the tolerance of the window's dry bulb + absolute humidity pair.
class Design final : public Formulation {
 public:
  FormulationId id() const override { return FormulationId::Design; }
  double saturationPressure(double t) const override { return SatPressure(t); }
  double dewPoint(double pv) const override { return DewPointOrDry(false, pv); }
  double humidityRatio(double pv, double p) const override { return kMolarMassRatio * pv / (p - pv); }
  double vapourPressure(double x, double p) const override { return VapourPressure(x, p); }
  double enthalpy(double t, double x) const override { return Enthalpy(t, x); }
  double dryBulb(double x, double h) const override { return DryBulbFromAbsHumidityEnthalpy(x, h); }
  double vapourEnthalpy(double t) const override { return VapourEnthalpy(t); }
  double humidityFromEnthalpy(double h, double t) const override { return AbsHumidityFromEnthalpy(h, t); }
  double saturatedHumidity(double t, double p) const override { return SaturatedAbsHumidity(t, p); }
  double humidityAt(double t, double RH, double p) const override { return AbsHumidity(t, RH, p); }
  double relativeHumidity(double x, double p, double ps) const override { return RelativeHumidity(x, p, ps); }
  double density(double t, double x, double p) const override { return Density(x, p, t); }
  double wetBulb(double t, double x, double p) const override {
    constexpr double kTolerance = 1e-7;  // [kJ/kg] as the dry bulb + absolute humidity pair solves it
    return WetBulb(kDryAirDewPoint, t, Enthalpy(t, x), p, kTolerance);
  }
  double humidityFromWetBulb(double t, double twb, double p) const override {
    return AbsHumidityFromEnthalpy(Enthalpy(twb, SaturatedAbsHumidity(twb, p)), t);
  }
  double lowest() const override { return -100; }
  double highest() const override { return 180; }
};

class Ashrae final : public Formulation {
 public:
  FormulationId id() const override { return FormulationId::Ashrae; }
  double saturationPressure(double t) const override { return ashrae::SaturationPressure(t); }
  double dewPoint(double pv) const override { return ashrae::DewPoint(pv); }
  double humidityRatio(double pv, double p) const override { return ashrae::HumidityRatio(pv, p); }
  double vapourPressure(double x, double p) const override { return ashrae::VapourPressure(x, p); }
  double enthalpy(double t, double x) const override { return ashrae::Enthalpy(t, x); }
  double dryBulb(double x, double h) const override { return ashrae::DryBulb(x, h); }
  double vapourEnthalpy(double t) const override { return ashrae::VapourEnthalpy(t); }
  double humidityFromEnthalpy(double h, double t) const override { return ashrae::HumidityFromEnthalpy(h, t); }
  double saturatedHumidity(double t, double p) const override {
    return ashrae::HumidityRatio(ashrae::SaturationPressure(t), p);
  }
  double relativeHumidity(double x, double p, double ps) const override {
    return 100 * ashrae::VapourPressure(x, p) / ps;
  }
  double humidityAt(double t, double RH, double p) const override {
    return ashrae::HumidityRatio(RH / 100 * ashrae::SaturationPressure(t), p);
  }
  double density(double t, double x, double p) const override { return ashrae::Density(t, x, p); }
  double wetBulb(double t, double x, double p) const override { return ashrae::WetBulb(t, x, p); }
  double humidityFromWetBulb(double t, double twb, double p) const override {
    return ashrae::HumidityFromWetBulb(t, twb, p);
  }
  double lowest() const override { return ashrae::kLowest; }
  double highest() const override { return ashrae::kHighest; }
};

}  // namespace

const Formulation& DesignFormulation() {
  static const Design design;
  return design;
}

const Formulation& AshraeFormulation() {
  static const Ashrae ashrae;
  return ashrae;
}

const Formulation& FormulationOf(FormulationId id) {
  return id == FormulationId::Ashrae ? AshraeFormulation() : DesignFormulation();
}

const Formulation* FormulationNamed(std::string_view name) {
  if (name == "design") return &DesignFormulation();
  if (name == "ashrae") return &AshraeFormulation();
  return nullptr;
}

}  // namespace vaporel
