#include "window/input/boundary_panel.hpp"

#include <initializer_list>

#include "window/model/main_window_model.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {
namespace {

void SetVisible(MainWindowModel& model, std::initializer_list<const char*> labels, bool visible) {
  for (const char* label : labels) model[label].visible = visible;
}

// Row 2's caption and the pattern of its value.
struct Row2Look {
  const char* caption;
  std::string_view pattern;
};

std::optional<Row2Look> LookOf(Row2 row2) {
  switch (row2) {
    case Row2::None: return std::nullopt;
    case Row2::MinWetBulb: return Row2Look{"Label13", kTwbminPattern};
    case Row2::MinEnthalpy: return Row2Look{"Label15", kEnthalpyPattern};
    case Row2::MaxAbsHumidity: return Row2Look{"Label17", kXmaxPattern};
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> ShownLimit(const WindowContext& window, std::string_view label) {
  return window.numbers.parse(window.model[label].text);
}

void ShowMaxDryBulb(WindowContext& window, int pair, double tdbmax) {
  MainWindowModel& model = window.model;
  SetVisible(model, {"Label14", "Label15", "Label13", "Label16", "Label12", "Label19", "Label21"}, false);
  model["Label12"].text = window.numbers.format(tdbmax, kTdbmaxPattern);
  // Pair 4 takes an absolute humidity first: its tdbmax is kept, hidden, for hmax.
  if (pair != 4) SetVisible(model, {"Label14", "Label12"}, true);
}

void HideSecondInputLimits(WindowContext& window) {
  SetVisible(window.model, {"Label15", "Label13", "Label16", "Label17", "Label19", "Label21"}, false);
}

void ShowSecondInputLimits(WindowContext& window, const FirstInputVerdict& verdict) {
  MainWindowModel& model = window.model;
  auto look = LookOf(verdict.row2);
  if (!look) return;
  model["Label19"].text = window.numbers.format(verdict.row2Value, look->pattern);
  SetVisible(model, {look->caption, "Label19"}, true);
  if (verdict.row3) {
    model["Label21"].text = window.numbers.format(verdict.hmax, kEnthalpyPattern);
    SetVisible(model, {"Label16", "Label21"}, true);
  }
}

void WriteEnthalpyLimits(WindowContext& window, const EnthalpyRange& range) {
  window.model["Label21"].text = window.numbers.format(range.hmax, kEnthalpyPattern);
  window.model["Label19"].text = window.numbers.format(range.hmin, kEnthalpyPattern);
}

void HideBoundaryValues(WindowContext& window) {
  SetVisible(window.model, {"Label13", "Label15", "Label16", "Label17", "Label19", "Label21", "Label12"}, false);
}

}  // namespace vaporel
