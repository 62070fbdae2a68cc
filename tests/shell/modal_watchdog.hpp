#pragma once
// Closes every modal window that opens while it lives, recording each message
// box (title, icon, text) and pressing its OK button, so that no widget test can
// hang on a box. Scoped: its timer dies with it and cannot hit a later test.

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

namespace vaporel::test {

struct SeenBox {
  QString title;
  QMessageBox::Icon icon;
  QString text;
  QMessageBox::StandardButtons buttons;
};

class ModalWatchdog {
 public:
  ModalWatchdog();
  ~ModalWatchdog();
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

  const std::vector<SeenBox>& boxes() const { return boxes_; }
  void clear() { boxes_.clear(); }

 private:
  void closeModal();

  QTimer timer_;
  std::vector<SeenBox> boxes_;
};

}  // namespace vaporel::test
