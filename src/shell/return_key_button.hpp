#pragma once
// A push button that Return or Enter activates while it has the focus, as users of
// desktop programs expect; Qt's own buttons answer only Space outside dialogs.

#include <QPushButton>

namespace vaporel {

class ReturnKeyButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vaporel
