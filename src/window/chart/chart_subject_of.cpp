#include "window/chart/chart_subject_of.hpp"

#include "calculation/check_sequence.hpp"
#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {

ChartSubject ChartSubjectOf(const MainWindowModel& model, const Numbers& numbers) {
  if (model[control::OutputFrame].visible && model.resultState) return {model.resultState->p, model.resultState};
  ChartSubject subject;
  if (const auto p = numbers.parse(model[control::PressureField].text)) {
    if (!CheckPressureStep(SelectedPair(model), *p, numbers).refusal) subject.p = *p;
  }
  return subject;
}

}  // namespace vaporel
