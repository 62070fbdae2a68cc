#include "shell/shell_application.hpp"

#include <exception>

#include "shell/command_guard.hpp"

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
    ShowUnexpectedFailure(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowUnexpectedFailure(QStringLiteral("unknown failure"));
  }
  return true;
}

bool ShellApplication::dispatch(QObject* receiver, QEvent* event) {
  if (interceptor_ != nullptr && interceptor_->intercept(receiver, event)) return true;
  return QApplication::notify(receiver, event);
}

}  // namespace vaporel
