#include "window/input/field_check.hpp"

#include "calculation/field_tests.hpp"
#include "numbers/numbers.hpp"
#include "window/input/entry_filter.hpp"
#include "window/input/focus.hpp"
#include "window/model/main_window_model.hpp"
#include "window/model/platform.hpp"
#include "window/model/window_texts.hpp"

namespace vaporel {
namespace {

bool Refuse(WindowContext& window, std::string_view field, const std::string& message) {
  window.platform.messageBox(message, kRefusalTitle, MessageIcon::Critical);
  SetFieldText(window, field, "");
  window.model[field].background = kRed;
  GiveFocus(window, field);
  return false;
}

}  // namespace

bool CheckField(WindowContext& window, std::string_view field, FieldTests ownTests) {
  Control& control = window.model[field];
  if (control.text.empty()) {
    control.background = kWhite;
    return true;
  }
  std::optional<double> value = window.numbers.parse(control.text);
  if (!value) return Refuse(window, field, kNumbersOnly);
  if (std::optional<std::string> refusal = ownTests(window, *value)) return Refuse(window, field, *refusal);
  return true;
}

}  // namespace vaporel
