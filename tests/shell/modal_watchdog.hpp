#pragma once
// Answers every modal box that opens while it lives, so a test that opens one
// (on purpose or by mistake) goes on instead of hanging. Message boxes are recorded
// and answered (Yes where offered, else OK); other modal windows go to `handler`,
// and anything still open after a few seconds is rejected.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

namespace vaporel::testing {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

class ModalWatchdog {
 public:
  // `handler` gets every modal window that is not a message box; it returns true when it
  // dealt with it (closed it or will close it).
  explicit ModalWatchdog(std::function<bool(QWidget*)> handler = {}) : handler_(std::move(handler)) {
    timer_.setInterval(15);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }
  ~ModalWatchdog() { timer_.stop(); }
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

  const std::vector<SeenBox>& boxes() const { return boxes_; }
  int rejectedUnhandled = 0;

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != current_) {
      current_ = modal;
      since_.start();
      handled_ = false;
    }
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
      QAbstractButton* answer = box->button(QMessageBox::Yes);
      if (answer == nullptr) answer = box->button(QMessageBox::Ok);
      if (answer != nullptr)
        answer->click();
      else
        box->reject();
      current_ = nullptr;
      return;
    }
    if (!handled_ && handler_) handled_ = handler_(modal);
    if (since_.elapsed() > 5000) {
      ++rejectedUnhandled;
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
      current_ = nullptr;
    }
  }

  std::vector<SeenBox> boxes_;
  std::function<bool(QWidget*)> handler_;
  QTimer timer_;
  QPointer<QWidget> current_;
  QElapsedTimer since_;
  bool handled_ = false;
};

}  // namespace vaporel::testing
