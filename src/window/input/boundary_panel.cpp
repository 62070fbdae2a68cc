#include "window/input/boundary_panel.hpp"

#include <initializer_list>

#include "window/model/main_window_model.hpp"
#include "numbers/numbers.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

void SetVisible(MainWindowModel& model, std::initializer_list<std::string_view> labels, bool visible) {
  for (std::string_view label : labels) model[label].visible = visible;
}

// Row 2's caption and the pattern of its value.
struct Row2Look {
  std::string_view caption;
  std::string_view pattern;
};

std::optional<Row2Look> LookOf(Row2 row2) {
  switch (row2) {
    case Row2::None: return std::nullopt;
    case Row2::MinWetBulb: return Row2Look{control::Label13, kTwbminPattern};
    case Row2::MinEnthalpy: return Row2Look{control::Label15, kEnthalpyPattern};
    case Row2::MaxAbsHumidity: return Row2Look{control::Label17, kXmaxPattern};
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> ShownLimit(const WindowContext& window, std::string_view label) {
  return window.numbers.parse(window.model[label].text);
}

void ShowMaxDryBulb(WindowContext& window, InputPair pair, double tdbmax) {
  MainWindowModel& model = window.model;
  SetVisible(model, {control::Label14, control::Label15, control::Label13, control::Label16, control::Label12, control::Label19, control::Label21}, false);
  model[control::Label12].text = window.numbers.format(tdbmax, kTdbmaxPattern);
  // Pair 4 takes an absolute humidity first: its tdbmax is kept, hidden, for hmax.
  if (pair != InputPair::AbsHumidityEnthalpy) SetVisible(model, {control::Label14, control::Label12}, true);
}

void HideSecondInputLimits(WindowContext& window) {
  SetVisible(window.model, {control::Label15, control::Label13, control::Label16, control::Label17, control::Label19, control::Label21}, false);
}

void ShowSecondInputLimits(WindowContext& window, const FirstInputVerdict& verdict) {
  MainWindowModel& model = window.model;
  auto look = LookOf(verdict.row2);
  if (!look) return;
  model[control::Label19].text = window.numbers.format(verdict.row2Value, look->pattern);
  SetVisible(model, {look->caption, control::Label19}, true);
  if (verdict.row3) {
    model[control::Label21].text = window.numbers.format(verdict.hmax, kEnthalpyPattern);
    SetVisible(model, {control::Label16, control::Label21}, true);
  }
}

void WriteEnthalpyLimits(WindowContext& window, const EnthalpyRange& range) {
  window.model[control::Label21].text = window.numbers.format(range.hmax, kEnthalpyPattern);
  window.model[control::Label19].text = window.numbers.format(range.hmin, kEnthalpyPattern);
}

void HideBoundaryValues(WindowContext& window) {
  SetVisible(window.model, {control::Label13, control::Label15, control::Label16, control::Label17, control::Label19, control::Label21, control::Label12}, false);
}

}  // namespace vaporel
