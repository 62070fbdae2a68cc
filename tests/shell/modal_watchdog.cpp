#include "modal_watchdog.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace vaporel::test {

ModalWatchdog::ModalWatchdog() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { closeModal(); });
  timer_.start();
}

ModalWatchdog::~ModalWatchdog() { timer_.stop(); }

void ModalWatchdog::closeModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes_.push_back({box->windowTitle(), box->icon(), box->text(), box->standardButtons()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace vaporel::test
