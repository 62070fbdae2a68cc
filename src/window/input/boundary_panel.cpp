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
std::optional<std::string_view> CaptionOf(SecondLimit secondLimit) {
  switch (secondLimit) {
    case SecondLimit::None: return std::nullopt;
    case SecondLimit::MinWetBulb: return control::TwbminCaption;
    case SecondLimit::MinEnthalpy: return control::HminCaption;
    case SecondLimit::MaxAbsHumidity: return control::XmaxCaption;
  }
  return std::nullopt;
}

}  // namespace

void ShowMaxDryBulb(WindowContext& window, InputPair pair, const std::string& tdbmaxText) {
  MainWindowModel& model = window.model;
  SetVisible(model,
             {control::TdbmaxCaption, control::HminCaption, control::TwbminCaption, control::HmaxCaption,
              control::TdbmaxValue, control::SecondLimitValue, control::HmaxValue},
             false);
  model[control::TdbmaxValue].text = tdbmaxText;
  // Pair 4 takes an absolute humidity first: its tdbmax is kept, hidden, for hmax.
  if (pair != InputPair::AbsHumidityEnthalpy) SetVisible(model, {control::TdbmaxCaption, control::TdbmaxValue}, true);
}

void HideSecondInputLimits(WindowContext& window) {
  SetVisible(window.model,
             {control::HminCaption, control::TwbminCaption, control::HmaxCaption, control::XmaxCaption,
              control::SecondLimitValue, control::HmaxValue},
             false);
}

void ShowSecondInputLimits(WindowContext& window, const FirstInputStep& step) {
  MainWindowModel& model = window.model;
  const std::optional<std::string_view> caption = CaptionOf(step.verdict.secondLimit);
  if (!caption) return;
  model[control::SecondLimitValue].text = step.secondLimitText;
  SetVisible(model, {*caption, control::SecondLimitValue}, true);
  if (step.verdict.showsHmax) {
    model[control::HmaxValue].text = step.hmaxText;
    SetVisible(model, {control::HmaxCaption, control::HmaxValue}, true);
  }
}

void WriteEnthalpyLimits(WindowContext& window, const std::string& hminText, const std::string& hmaxText) {
  window.model[control::HmaxValue].text = hmaxText;
  window.model[control::SecondLimitValue].text = hminText;
}

void HideBoundaryValues(WindowContext& window) {
  SetVisible(window.model,
             {control::TwbminCaption, control::HminCaption, control::HmaxCaption, control::XmaxCaption,
              control::SecondLimitValue, control::HmaxValue, control::TdbmaxValue},
             false);
}

}  // namespace vaporel
