#include "window/report/report_content_of.hpp"

#include "window/model/control_names.hpp"

namespace vaporel {

ReportContent ReportContentOf(const MainWindowModel& model) {
  return {
      {model[control::FirstInputCaption].text, model[control::SecondInputCaption].text},
      {model[control::PressureField].text, model[control::FirstInputField].text, model[control::SecondInputField].text},
      {model[control::PressureResult].text, model[control::TdbResult].text, model[control::TwbResult].text,
       model[control::TdpResult].text, model[control::XResult].text, model[control::RoResult].text,
       model[control::HResult].text, model[control::PvResult].text, model[control::RhResult].text,
       model[control::CpResult].text, model[control::LamResult].text, model[control::MiResult].text,
       model[control::PrResult].text}};
}

}  // namespace vaporel
