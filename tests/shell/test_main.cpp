// Start of every desktop-layer test binary: the offscreen platform, temporary settings of its own, a
// fixed locale, the program's own application object (its focus interception is under test).

#include <gtest/gtest.h>

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "shell/shell_application.hpp"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Before any QSettings exists, or the user's real settings would be written.
  QStandardPaths::setTestModeEnabled(true);
  // Each test process its own settings: tests running side by side never see each other's.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  vaporel::ShellApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
