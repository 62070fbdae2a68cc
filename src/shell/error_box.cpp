#include "shell/error_box.hpp"

#include <QMessageBox>

#include "shell/shell_texts.hpp"

namespace vaporel {

void ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kErrorTitle), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace vaporel
