// "Exit" with the program's own ending: the event loop ends at once, the window
// is never closed, so its unload does not run and no placement is written.

#include <gtest/gtest.h>

#include <QAction>
#include <QSettings>
#include <QTimer>

#include "modal_watchdog.hpp"
#include "shell/main_window.hpp"
#include "shell/qt_platform.hpp"

using namespace vaporel;

// State: the program running its event loop. Action: "Exit" chosen.
// Expected: the loop ends with status 0 while the window is still open; no settings.
TEST(Exit, LeavesTheEventLoopWithoutUnloading) {
  QSettings("Vaporel", "Vaporel").clear();
  vaporel::testing::ModalWatchdog watchdog;
  MainWindowModel model;
  QtPlatform platform;
  MainWindowLogic logic(model, platform, Numbers('.'));
  MainWindow window(logic, Twips(1.0));
  platform.attach(&window, [&window] { window.render(); });
  window.start();

  QTimer::singleShot(0, &window, [&window] { window.menuCommand("exit")->trigger(); });
  constexpr int kHung = 99;
  QTimer::singleShot(10000, [] { QCoreApplication::exit(kHung); });
  const int status = QApplication::exec();

  EXPECT_EQ(status, 0);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(watchdog.boxes().empty());
  EXPECT_TRUE(QSettings("Vaporel", "Vaporel").allKeys().isEmpty());
}
