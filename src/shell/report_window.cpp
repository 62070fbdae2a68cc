#include "shell/report_window.hpp"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include "report/report_location.hpp"
#include "report/report_sheet.hpp"
#include "shell/command_guard.hpp"
#include "shell/report_print.hpp"
#include "shell/return_key_button.hpp"
#include "shell/sheet_viewer.hpp"
#include "shell/twips.hpp"
#include "shell/window_font.hpp"

namespace vaporel {
namespace {

constexpr int kClientWidthTwips = 9270;
constexpr int kClientHeightTwips = 7770;

// The screen the window opens on: its logical dpi scales every twip position alike.
const QScreen* WindowScreen(const QWidget* owner) {
  return owner != nullptr && owner->screen() != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
}

Twips ScreenTwips(const QWidget* owner) {
  const QScreen* screen = WindowScreen(owner);
  const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
  return Twips(dpi > 0 ? dpi / 96.0 : 1.0);
}

QPushButton* Button(QWidget* parent, const char* caption, QRect geometry) {
  auto* button = new ReturnKeyButton(QString::fromUtf8(caption), parent);
  button->setFont(WindowFont({12, true}));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.exec();
}

std::optional<QString> DesktopSaveDialog(QWidget* parent, const SaveDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.folder, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);  // a name typed without ".xls" gets it
  dialog.selectFile(request.fileName);
  // Asking before overwriting is the dialog's default (ConfirmOverwrite is not turned off).
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::unique_ptr<QPrinter> DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

QString DesktopFolder() {
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

ReportWindowServices DesktopReportServices() { return {DesktopSaveDialog, DefaultPrinter}; }

ReportWindowDialog::ReportWindowDialog(QWidget* owner, ReportWindowServices services)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services)) {
  const Twips twips = ScreenTwips(owner);
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("EXCEL"));
  setFont(WindowFont({8.25, false}));
  setFixedSize(twips.toPixels(kClientWidthTwips), twips.toPixels(kClientHeightTwips));
  setSizeGripEnabled(false);
  setWindowModality(Qt::ApplicationModal);

  viewer_ = new SheetViewer(this);
  viewer_->setObjectName(QStringLiteral("OLE1"));
  viewer_->setGeometry(twips.rect(120, 240, 6430, 7100));

  saveButton_ = Button(this, kReportSaveButton, twips.rect(6720, 240, 2415, 495));
  saveButton_->setObjectName(QStringLiteral("Command1"));
  pathField_ = new QLineEdit(this);
  pathField_->setObjectName(QStringLiteral("Text1"));
  pathField_->setGeometry(twips.rect(6720, 720, 2415, 285));
  pathField_->hide();
  printButton_ = Button(this, "Print", twips.rect(6720, 960, 2415, 495));
  printButton_->setObjectName(QStringLiteral("Command2"));
  backButton_ = Button(this, "Back", twips.rect(6720, 1680, 2415, 495));
  backButton_->setObjectName(QStringLiteral("Command3"));

  setTabOrder(saveButton_, printButton_);
  setTabOrder(printButton_, backButton_);

  connect(saveButton_, &QPushButton::clicked, this, Command([this] { saveCopy(); }));
  connect(printButton_, &QPushButton::clicked, this, Command([this] { printReport(); }));
  connect(backButton_, &QPushButton::clicked, this, Command([this] { back(); }));

  // Centred on the screen.
  if (const QScreen* screen = WindowScreen(owner)) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

ReportWindowDialog::~ReportWindowDialog() = default;

bool ReportWindowDialog::loadReport(const QString& path) {
  auto sheet = ReadReportSheet(path.toStdString());
  if (!sheet) return false;
  viewer_->setSheet(std::move(*sheet));
  pathField_->setText(path);
  return true;
}

QString ReportWindowDialog::reportPath() const { return pathField_->text(); }

void ReportWindowDialog::saveCopy() {
  const SaveDialogRequest request{QString::fromUtf8(kReportSaveTitle), DesktopFolder(),
                                  QString::fromUtf8(kReportSaveFileName), QString::fromUtf8(kReportSaveFilter)};
  if (!services_.chooseSaveFile) return;
  const std::optional<QString> target = services_.chooseSaveFile(this, request);
  // Cancel, or a copy that fails, ends the command without a word.
  if (!target || target->isEmpty()) return;
  if (!CopyFileWhole(reportPath().toStdString(), target->toStdString())) return;
  ShowMessage(this, QMessageBox::Information, QString::fromUtf8(kInformationTitle),
              QString::fromUtf8(kReportSavedMessage));
}

void ReportWindowDialog::printReport() {
  std::unique_ptr<QPrinter> printer = services_.printer ? services_.printer() : nullptr;
  switch (PrintReportFile(reportPath(), printer.get())) {
    case PrintOutcome::Printed: return;
    case PrintOutcome::NoPrinter:
      ShowMessage(this, QMessageBox::Critical, QString::fromUtf8(kErrorTitle), QString::fromUtf8(kNoPrinterMessage));
      return;
    case PrintOutcome::Unreadable:
    case PrintOutcome::PrinterFailed:
      ShowMessage(this, QMessageBox::Critical, QString::fromUtf8(kErrorTitle), QString::fromUtf8(kPrintFailedMessage));
      return;
  }
}

void ReportWindowDialog::back() { hide(); }

DesktopReportWindow::DesktopReportWindow(QWidget* owner, ReportWindowServices services)
    : owner_(owner), services_(std::move(services)) {}

bool DesktopReportWindow::showReport(const std::string& path) {
  // Created for this report and released when hidden or closed.
  ReportWindowDialog form2(owner_, services_);
  if (!form2.loadReport(QString::fromStdString(path))) return false;
  form2.exec();
  return true;
}

}  // namespace vaporel
