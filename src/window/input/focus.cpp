#include "window/input/focus.hpp"

#include "window/input/selector_and_reset.hpp"
#include "window/model/control_names.hpp"
#include "window/model/main_window_model.hpp"

namespace vaporel {

void GiveFocus(WindowContext& window, std::string_view control) {
  if (window.model.focus == control) return;
  window.model.focus = std::string(control);
  if (control == control::PairSelector) OnSelectorFocus(window);
}

}  // namespace vaporel
