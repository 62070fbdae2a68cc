#include "shell/shell_application.hpp"

#include <QMessageBox>
#include <exception>

#include "shell/shell_texts.hpp"

namespace vaporel {

ShellApplication::ShellApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName(QStringLiteral("Vaporel"));
  setApplicationName(QStringLiteral("Vaporel"));
  // Ties the windows to the installed menu entry and its icon.
  setDesktopFileName(QStringLiteral("org.vaporel.Vaporel"));
}

bool ShellApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return dispatch(receiver, event);
  } catch (const std::exception& e) {
    showFailure(QString::fromUtf8(e.what()));
  } catch (...) {
    showFailure(QStringLiteral("unknown failure"));
  }
  return true;
}

bool ShellApplication::dispatch(QObject* receiver, QEvent* event) {
  if (interceptor_ != nullptr && interceptor_->intercept(receiver, event)) return true;
  return QApplication::notify(receiver, event);
}

void ShellApplication::showFailure(const QString& cause) {
  const QString text = QString::fromUtf8(kUnexpectedFailureMessage) + cause;
  // A failure while the message is open (its own event loop runs through here) is not
  // stacked into a second box.
  if (showingFailure_) {
    qCritical("%s", qUtf8Printable(text));
    return;
  }
  showingFailure_ = true;
  QMessageBox::critical(activeWindow(), QString::fromUtf8(kErrorTitle), text);
  showingFailure_ = false;
}

}  // namespace vaporel
