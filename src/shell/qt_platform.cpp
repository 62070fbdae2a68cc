#include "shell/qt_platform.hpp"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

#include "report/report_location.hpp"

namespace vaporel {
namespace {

QString Qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr int kViewerStartMs = 5000;
// Desktop openers hand the file over and return; a generic one may instead run the
// viewer in the foreground, and the window must not wait for that viewer to close.
constexpr int kOpenerReturnMs = 5000;

}  // namespace

QtPlatform::QtPlatform() : QtPlatform(Options{}) {}

QtPlatform::QtPlatform(Options options) : options_(std::move(options)) {}

void QtPlatform::attach(QWidget* window, std::function<void()> render) {
  window_ = window;
  render_ = std::move(render);
}

void QtPlatform::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
  const QMessageBox::Icon boxIcon = icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
  QMessageBox box(boxIcon, Qt(title), Qt(text), QMessageBox::Ok, window_);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  // Without a window manager nothing hands the activation back to the main window.
  if (window_ != nullptr && window_->isVisible()) window_->activateWindow();
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::repaint() {
  if (render_) render_();
  if (window_ != nullptr) window_->repaint();
}

void QtPlatform::saveSetting(std::string_view application, std::string_view section, std::string_view key,
                             std::string_view value) {
  QSettings settings(Qt(application), Qt(application));
  settings.beginGroup(Qt(section));
  settings.setValue(Qt(key), Qt(value));
}

bool QtPlatform::openDocument(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) return false;

  auto* opener = new QProcess;
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
  opener->start(options_.opener, {file});
  if (!opener->waitForStarted(kViewerStartMs)) {
    delete opener;
    return false;
  }
  // Still running: the viewer took over in the foreground; the object goes when it ends.
  if (!opener->waitForFinished(kOpenerReturnMs)) return true;
  return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

void QtPlatform::endProgram() {
  if (options_.endProgram) {
    options_.endProgram();
  } else {
    QCoreApplication::exit(0);
  }
}

std::string QtPlatform::programFolder() {
  return ProgramFolderFor(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace vaporel
