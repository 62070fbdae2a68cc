#include "shell/return_key_button.hpp"

#include <QKeyEvent>

namespace vaporel {

void ReturnKeyButton::keyPressEvent(QKeyEvent* event) {
  const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (activates && modifiers == Qt::NoModifier) {
    // The focus is already here, so the field left to reach the button has been checked:
    // what remains of a click is the click itself.
    if (!event->isAutoRepeat() && isEnabled()) click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace vaporel
