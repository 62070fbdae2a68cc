#include "shell/shell_application.hpp"

namespace vaporel {

ShellApplication::ShellApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName(QStringLiteral("Vaporel"));
  setApplicationName(QStringLiteral("Vaporel"));
  // Ties the windows to the installed menu entry and its icon.
  setDesktopFileName(QStringLiteral("org.vaporel.Vaporel"));
}

bool ShellApplication::notify(QObject* receiver, QEvent* event) {
  if (interceptor_ != nullptr && interceptor_->intercept(receiver, event)) return true;
  return QApplication::notify(receiver, event);
}

}  // namespace vaporel
