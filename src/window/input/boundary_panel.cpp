#include "window/input/boundary_panel.hpp"

#include <initializer_list>

#include "numbers/numbers.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {
namespace {

void SetVisible(MainWindowModel& model, std::initializer_list<std::string_view> labels, bool visible) {
  for (std::string_view label : labels) model[label].visible = visible;
}

// The caption shown beside row 2's value.
std::optional<std::string_view> CaptionOf(Row2 row2) {
  switch (row2) {
    case Row2::None: return std::nullopt;
    case Row2::MinWetBulb: return control::Label13;
    case Row2::MinEnthalpy: return control::Label15;
    case Row2::MaxAbsHumidity: return control::Label17;
  }
  return std::nullopt;
}

}  // namespace

void ShowMaxDryBulb(WindowContext& window, InputPair pair, const std::string& tdbmaxText) {
  MainWindowModel& model = window.model;
  SetVisible(model,
             {control::Label14, control::Label15, control::Label13, control::Label16, control::Label12,
              control::Label19, control::Label21},
             false);
  model[control::Label12].text = tdbmaxText;
  // Pair 4 takes an absolute humidity first: its tdbmax is kept, hidden, for hmax.
  if (pair != InputPair::AbsHumidityEnthalpy) SetVisible(model, {control::Label14, control::Label12}, true);
}

void HideSecondInputLimits(WindowContext& window) {
  SetVisible(
      window.model,
      {control::Label15, control::Label13, control::Label16, control::Label17, control::Label19, control::Label21},
      false);
}

void ShowSecondInputLimits(WindowContext& window, const FirstInputStep& step) {
  MainWindowModel& model = window.model;
  const std::optional<std::string_view> caption = CaptionOf(step.verdict.row2);
  if (!caption) return;
  model[control::Label19].text = step.row2Text;
  SetVisible(model, {*caption, control::Label19}, true);
  if (step.verdict.row3) {
    model[control::Label21].text = step.hmaxText;
    SetVisible(model, {control::Label16, control::Label21}, true);
  }
}

void WriteEnthalpyLimits(WindowContext& window, const std::string& hminText, const std::string& hmaxText) {
  window.model[control::Label21].text = hmaxText;
  window.model[control::Label19].text = hminText;
}

void HideBoundaryValues(WindowContext& window) {
  SetVisible(window.model,
             {control::Label13, control::Label15, control::Label16, control::Label17, control::Label19,
              control::Label21, control::Label12},
             false);
}

}  // namespace vaporel
