#include "window/report/report_content.hpp"

#include "window/model/control_names.hpp"

namespace vaporel {

ReportContent ReportContentOf(const MainWindowModel& model) {
  return {{model[control::Label7].text, model[control::Label8].text},
          {model[control::Text2].text, model[control::Text3].text, model[control::Text4].text},
          {model[control::l7].text, model[control::l8].text, model[control::l9].text, model[control::l10].text,
           model[control::l11].text, model[control::l12].text, model[control::l13].text, model[control::l14].text,
           model[control::l15].text, model[control::l16].text, model[control::l17].text, model[control::l18].text,
           model[control::l19].text}};
}

}  // namespace vaporel
