// Start of every desktop-layer test binary: temporary settings, a fixed locale,
// the program's own application object (its focus interception is under test).

#include <QLocale>
#include <QStandardPaths>

#include "shell/shell_application.hpp"

// Each test binary of this folder defines it.
int runTests(int argc, char** argv);

int main(int argc, char** argv) {
  // Before any QSettings exists, or the user's real settings would be written.
  QStandardPaths::setTestModeEnabled(true);
  vaporel::ShellApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  return runTests(argc, argv);
}
