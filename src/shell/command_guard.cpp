#include "shell/command_guard.hpp"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "shell/shell_texts.hpp"

namespace vaporel {

void ShowUnexpectedFailure(const QString& cause) {
  static bool showing = false;
  const QString text = QString::fromUtf8(kUnexpectedFailureMessage) + cause;
  if (showing) {
    qCritical("%s", qUtf8Printable(text));
    return;
  }
  showing = true;
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(kErrorTitle), text);
  showing = false;
}

void RunCommand(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowUnexpectedFailure(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowUnexpectedFailure(QStringLiteral("unknown failure"));
  }
}

}  // namespace vaporel
