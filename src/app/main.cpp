// The desktop program: the main window on the user's locale and settings store.
// `vaporel FILE` also opens the chart window on the project FILE. One option for machines
// without a display: --screenshot PATH saves the started window as a PNG and ends.

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "numbers/numbers.hpp"
#include "shell/chart_window.hpp"
#include "shell/main_window.hpp"
#include "shell/qt_platform.hpp"
#include "shell/report_command.hpp"
#include "shell/shell_application.hpp"
#include "window/main_window_logic.hpp"
#include "window/model/main_window_model.hpp"

namespace {

constexpr int kScreenshotDelayMs = 500;

QString ScreenshotPath(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
  if (at < 0 || at + 1 >= arguments.size()) return {};
  return arguments.at(at + 1);
}

// The first argument that is neither an option nor an option's value: a project to open.
QString ProjectPath(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments.at(i) == QStringLiteral("--screenshot")) {
      ++i;
    } else if (!arguments.at(i).startsWith(QLatin1Char('-'))) {
      return arguments.at(i);
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  vaporel::ShellApplication app(argc, argv);
  const QString screenshot = ScreenshotPath(QCoreApplication::arguments());

  vaporel::MainWindowModel model;
  vaporel::QtPlatform platform;
  vaporel::MainWindowLogic logic(model, platform, vaporel::Numbers::forUserLocale());
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double scale = screen != nullptr ? screen->logicalDotsPerInchX() / 96.0 : 1.0;
  vaporel::MainWindow window(logic, vaporel::Twips(scale));
  platform.attach(&window, [&window] { window.render(); });
  logic.setReportCommand(vaporel::DesktopReportCommand(model, platform, logic.numbers().decimalSeparator(), &window));

  window.start();
  if (const QString project = ProjectPath(QCoreApplication::arguments()); !project.isEmpty()) {
    window.openChart();
    window.chartWindow()->openProjectFile(project);
  }

  if (!screenshot.isEmpty()) {
    QTimer::singleShot(kScreenshotDelayMs, &window, [&window, screenshot] {
      const bool saved = window.grab().toImage().save(screenshot, "PNG");
      if (saved) {
        std::printf("Screenshot of the main window: %s\n", qPrintable(screenshot));
      } else {
        std::fprintf(stderr, "Could not save the screenshot to %s\n", qPrintable(screenshot));
      }
      QCoreApplication::exit(saved ? 0 : 1);
    });
  }
  return QApplication::exec();
}
