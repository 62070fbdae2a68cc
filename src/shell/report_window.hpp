#pragma once
// Form2, the report window: the saved report's worksheet as the file holds it, and
// three commands: save a copy, print, back.

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "shell/shell_texts.hpp"
#include "window/report/report_window_interface.hpp"

class QPrinter;
class QPushButton;
class QLineEdit;

namespace vaporel {

class SheetViewer;

// What a save dialog is set up with before it is shown (the report window's and the
// chart window's).
struct SaveDialogRequest {
  QString title;
  QString folder;  // the user's desktop folder
  QString fileName;
  QString filter;
  QString defaultSuffix = QStringLiteral("xls");  // given to a name typed without one
};

// The desktop services the report and chart windows use, replaceable in tests.
struct ReportWindowServices {
  // Shows a save dialog that asks before overwriting; the chosen full path, or nullopt on cancel.
  std::function<std::optional<QString>(QWidget* parent, const SaveDialogRequest&)> chooseSaveFile;
  // The printer to print on, or nullptr when none is available.
  std::function<std::unique_ptr<QPrinter>()> printer;
};

// The real save dialog and the system's default printer.
ReportWindowServices DesktopReportServices();
// The user's desktop folder, or the home folder when there is none: where copies are saved.
QString DesktopFolder();

class ReportWindowDialog : public QDialog {
 public:
  ReportWindowDialog(QWidget* owner, ReportWindowServices services);
  ~ReportWindowDialog() override;

  // Loads the report file into the viewer and keeps its path (the hidden Text1).
  // False when the file cannot be read as a workbook.
  bool loadReport(const QString& path);
  QString reportPath() const;

  // The three commands, as the buttons run them.
  void saveCopy();     // Command1 "Save to excel file"
  void printReport();  // Command2 "Print"
  void back();         // Command3 "Back"

  QPushButton* saveButton() const { return saveButton_; }
  QPushButton* printButton() const { return printButton_; }
  QPushButton* backButton() const { return backButton_; }
  SheetViewer* viewer() const { return viewer_; }

 private:
  ReportWindowServices services_;
  SheetViewer* viewer_;
  QPushButton* saveButton_;
  QLineEdit* pathField_;
  QPushButton* printButton_;
  QPushButton* backButton_;
};

// The report layer's ReportWindow on the desktop: creates Form2 afresh for each report,
// shows it modally over `owner` and releases it when it is hidden or closed.
class DesktopReportWindow : public ReportWindow {
 public:
  DesktopReportWindow(QWidget* owner, ReportWindowServices services);
  bool showReport(const std::string& path) override;

 private:
  QWidget* owner_;
  ReportWindowServices services_;
};

}  // namespace vaporel
