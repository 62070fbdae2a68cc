// Form2 offscreen: its layout, the viewer showing the file as saved, Save (injected
// chooser and the real dialog), Print to a PDF file, no printer, Back.

#include "shell/report_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "modal_watchdog.hpp"
#include "qt_printing.hpp"
#include "report/report_generation.hpp"
#include "report_fixture.hpp"
#include "shell/main_window.hpp"
#include "shell/qt_platform.hpp"
#include "shell/report_command.hpp"
#include "shell/sheet_viewer.hpp"
#include "shell/shell_application.hpp"
#include "window/driver/user_driver.hpp"

namespace vaporel {
namespace {

using testing::Cells;
using testing::ModalWatchdog;
using testing::ReadBytes;

// A chooser that answers from a list and records what it was asked.
struct ScriptedChooser {
  std::vector<std::optional<QString>> answers;
  std::vector<SaveDialogRequest> requests;
  std::optional<QString> operator()(QWidget*, const SaveDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

// Prints into a PDF file instead of a printer.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    report_ = dir_.path() + "/Vaporel.xls";
    testing::MakeReport(report_, testing::Pair1Report());
  }

  ReportWindowServices services() {
    return {[this](QWidget* parent, const SaveDialogRequest& request) { return chooser_(parent, request); },
            [this] { return pdf_.isEmpty() ? nullptr : PdfPrinter(pdf_); }};
  }

  QTemporaryDir dir_;
  QString report_;
  QString pdf_;
  ScriptedChooser chooser_;
};

const SheetCell* CellAt(const ReportSheet& sheet, int row, int column) {
  for (const SheetCell& cell : sheet.cells) {
    if (cell.row == row && cell.column == column) return &cell;
  }
  return nullptr;
}

std::string TextAt(const ReportSheet& sheet, const char* reference) {
  const int column = reference[0] - 'A';
  const int row = std::atoi(reference + 1) - 1;
  const SheetCell* cell = CellAt(sheet, row - sheet.firstRow, column - sheet.firstColumn);
  return cell != nullptr ? cell->text : std::string();
}

// State: a new Form2. Expected: the fixed dialog, its three buttons in
// Verdana (or DejaVu Sans) 12 bold at their places, Text1 hidden, Tab goes Save, Print, Back.
TEST_F(ReportWindowTest, Form2IsTheFixedDialogWithThreeButtons) {
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  form2.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));

  EXPECT_EQ(form2.windowTitle(), "EXCEL");
  const double s = form2.screen()->logicalDotsPerInch() / 96.0;
  EXPECT_EQ(form2.size(), QSize(qRound(618 * s), qRound(518 * s)));
  EXPECT_EQ(form2.minimumSize(), form2.maximumSize());
  EXPECT_FALSE(form2.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form2.windowModality(), Qt::ApplicationModal);

  struct Expected {
    QPushButton* button;
    const char* caption;
    QRect twips;
  };
  for (const Expected& e : {Expected{form2.saveButton(), "Save to excel file", {6720, 240, 2415, 495}},
                            Expected{form2.printButton(), "Print", {6720, 960, 2415, 495}},
                            Expected{form2.backButton(), "Back", {6720, 1680, 2415, 495}}}) {
    EXPECT_EQ(e.button->text(), e.caption);
    EXPECT_EQ(e.button->geometry(), QRect(qRound(e.twips.x() * s / 15), qRound(e.twips.y() * s / 15),
                                          qRound(e.twips.width() * s / 15), qRound(e.twips.height() * s / 15)));
    EXPECT_TRUE(e.button->font().bold());
    EXPECT_DOUBLE_EQ(e.button->font().pointSizeF(), 12.0);
    EXPECT_TRUE(e.button->font().family() == "Verdana" || e.button->font().family() == "DejaVu Sans");
  }
  EXPECT_EQ(form2.viewer()->geometry(),
            QRect(qRound(120 * s / 15), qRound(240 * s / 15), qRound(6430 * s / 15), qRound(7100 * s / 15)));
  auto* text1 = form2.findChild<QLineEdit*>("Text1");
  ASSERT_NE(text1, nullptr);
  EXPECT_FALSE(text1->isVisible());
  EXPECT_EQ(text1->text(), report_);

  form2.saveButton()->setFocus();
  QTest::keyClick(form2.saveButton(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form2.printButton());
  QTest::keyClick(form2.printButton(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form2.backButton());
}

// State: a report saved with pair 1. Action: Form2 loads it. Expected: the viewer holds the
// file's worksheet A1:B23 with the texts a spreadsheet shows under each cell's format
// (two decimals in rows 11 and 12, scientific in row 22), and paints its fills.
TEST_F(ReportWindowTest, ViewerShowsTheWorksheetAsSaved) {
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  const auto& sheet = form2.viewer()->sheet();
  ASSERT_TRUE(sheet.has_value());
  EXPECT_EQ(sheet->name, "Vaporel");
  EXPECT_EQ(sheet->rowHeights.size(), 23u);
  EXPECT_EQ(sheet->columnWidths.size(), 2u);
  EXPECT_EQ(TextAt(*sheet, "A1"), "THERMODYNAMIC PROPERTIES OF VAPOREL");
  EXPECT_EQ(TextAt(*sheet, "A5"), "Dry bulb temperature [oC] ");
  EXPECT_EQ(TextAt(*sheet, "B4"), "1.01325");
  EXPECT_EQ(TextAt(*sheet, "B10"), "20");
  EXPECT_EQ(TextAt(*sheet, "B11"), "13.82");
  EXPECT_EQ(TextAt(*sheet, "B12"), "9.27");
  EXPECT_EQ(TextAt(*sheet, "B22"), "1.80E-05");
  EXPECT_EQ(TextAt(*sheet, "A23"), "Prandtl Number, Pr  [-]");
  const SheetCell* a1 = CellAt(*sheet, 0, 0);
  ASSERT_NE(a1, nullptr);
  EXPECT_EQ(a1->columnSpan, 2);
  EXPECT_TRUE(a1->bold);
  EXPECT_DOUBLE_EQ(a1->fontPoints, 12.0);

  // The heading of row 3 is painted grey and its filler silver.
  form2.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
  // Kept beside the test binaries as an artifact, to look at the report window.
  form2.grab().save(QCoreApplication::applicationDirPath() + "/report-window.png");
  const QImage picture = form2.viewer()->grab().toImage();
  const SheetCell* a3 = CellAt(*sheet, 2, 0);
  ASSERT_NE(a3, nullptr);
  const QSizeF size(sheet->columnWidths[0] + sheet->columnWidths[1], 0);
  const double scale = std::min(1.0, (form2.viewer()->width() - 2) / size.width());
  const double y3 = (sheet->rowHeights[0] + sheet->rowHeights[1] + 2) * scale + 1;
  const double dpr = picture.devicePixelRatio();
  EXPECT_EQ(picture.pixelColor(int(4 * dpr), int(y3 * dpr)), QColor(128, 128, 128));
  EXPECT_EQ(picture.pixelColor(int((sheet->columnWidths[0] + 4) * scale * dpr), int(y3 * dpr)), QColor(192, 192, 192));
}

// State: a damaged report (truncated) or a directory in its place. Action: show the window.
// Expected: the window refuses to load it, so the command takes its failure path.
TEST_F(ReportWindowTest, UnreadableReportIsNotShown) {
  const QByteArray bytes = ReadBytes(report_);
  QFile f(report_);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.left(bytes.size() / 2));
  f.close();
  ModalWatchdog watchdog;
  DesktopReportWindow window(nullptr, services());
  EXPECT_FALSE(window.showReport(report_.toStdString()));
  EXPECT_FALSE(window.showReport(dir_.path().toStdString()));
  EXPECT_TRUE(watchdog.boxes().empty());
}

// State: Form2 on a report. Action: Save to two names. Expected: the dialog was set up with
// the dialog's own title, name and filter in the desktop folder; both copies equal the report,
// and each save says so in an "Information" box.
TEST_F(ReportWindowTest, SaveTwiceGivesTwoIdenticalCopies) {
  const QString first = dir_.path() + "/first.xls";
  const QString second = dir_.path() + "/second.xls";
  chooser_.answers = {first, second};
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  {
    ModalWatchdog watchdog;
    form2.saveButton()->click();
    form2.saveButton()->click();
    ASSERT_EQ(watchdog.boxes().size(), 2u);
    for (const auto& box : watchdog.boxes()) {
      EXPECT_EQ(box.title, "Information");
      EXPECT_EQ(box.text, "Report successfuly saved fo file!");
      EXPECT_EQ(box.icon, QMessageBox::Information);
    }
  }
  EXPECT_EQ(ReadBytes(first), ReadBytes(report_));
  EXPECT_EQ(ReadBytes(second), ReadBytes(report_));
  ASSERT_EQ(chooser_.requests.size(), 2u);
  const SaveDialogRequest& r = chooser_.requests[0];
  EXPECT_EQ(r.title, "Save to file");
  EXPECT_EQ(r.fileName, "Rodazire5_Vaporel.xls");
  EXPECT_EQ(r.filter, "Microsoft Excel (*.xls)");
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  EXPECT_EQ(r.folder, QFileInfo(desktop).isDir() ? desktop : QDir::homePath());
}

// State: Form2 on a report. Action: Save cancelled; Save onto a directory; Save into a path
// through a regular file. Expected: no message, nothing written, the window stays open.
TEST_F(ReportWindowTest, CancelledOrFailedSaveEndsSilently) {
  QDir().mkpath(dir_.path() + "/adir.xls");
  chooser_.answers = {std::nullopt, dir_.path() + "/adir.xls", report_ + "/inside.xls"};
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  form2.show();
  const QByteArray before = ReadBytes(report_);
  ModalWatchdog watchdog;
  for (int i = 0; i < 3; ++i) form2.saveButton()->click();
  EXPECT_TRUE(watchdog.boxes().empty());
  EXPECT_EQ(chooser_.requests.size(), 3u);
  EXPECT_TRUE(QFileInfo(dir_.path() + "/adir.xls").isDir());
  EXPECT_EQ(ReadBytes(report_), before);
  EXPECT_TRUE(form2.isVisible());
}

// State: the real save dialog. Action: type the name of an existing file and accept.
// Expected: the dialog asks before overwriting; once confirmed, the copy replaces it.
TEST_F(ReportWindowTest, RealSaveDialogAsksBeforeOverwriting) {
  const QString existing = dir_.path() + "/existing.xls";
  {
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old copy");
  }
  QString title, filter;
  ModalWatchdog watchdog([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) return false;
    title = dialog->windowTitle();
    filter = dialog->nameFilters().join('|');
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (name == nullptr) return false;
    EXPECT_EQ(name->text(), "Rodazire5_Vaporel.xls");
    name->setText(existing);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    return true;
  });
  ReportWindowServices services = DesktopReportServices();
  services.printer = [] { return nullptr; };
  ReportWindowDialog form2(nullptr, services);
  ASSERT_TRUE(form2.loadReport(report_));
  form2.saveButton()->click();

  EXPECT_EQ(title, "Save to file");
  EXPECT_EQ(filter, "Microsoft Excel (*.xls)");
  ASSERT_EQ(watchdog.boxes().size(), 2u);  // the overwrite question, then "Information"
  EXPECT_TRUE(watchdog.boxes()[0].text.contains("existing.xls"));
  EXPECT_EQ(watchdog.boxes()[1].title, "Information");
  EXPECT_EQ(ReadBytes(existing), ReadBytes(report_));
  EXPECT_EQ(watchdog.rejectedUnhandled, 0);
}

// State: Form2 loaded, then the report file changed on disk (a pressure, plus texts below and
// beside the print area). Action: Print to a PDF. Expected: one portrait Letter page with
// A1:B23 of the file as it now stands, nothing outside the print area, no message.
TEST_F(ReportWindowTest, PrintPrintsTheFileAsItNowStands) {
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  testing::EditWorkbook(report_, {{"B4", "2.5"}, {"A24", "BEYOND THE AREA"}, {"C5", "BESIDE THE AREA"}});
  pdf_ = dir_.path() + "/report.pdf";
  {
    ModalWatchdog watchdog;
    form2.printButton()->click();
    EXPECT_TRUE(watchdog.boxes().empty());
  }
  // pdftotext keeps the words, not the runs of blanks between them.
  const QString text = RunTool("pdftotext", {"-layout", pdf_, "-"}).simplified();
  EXPECT_TRUE(text.contains("THERMODYNAMIC PROPERTIES OF VAPOREL")) << text.toStdString();
  EXPECT_TRUE(text.contains("Prandtl Number, Pr [-] 0.71"));
  EXPECT_TRUE(text.contains("Dew point temperature, tdp [oC] 9.27"));
  EXPECT_TRUE(text.contains("Dynamic Viscosity, mi [Pa s] 1.80E-05"));
  EXPECT_TRUE(text.contains("2.5"));
  EXPECT_FALSE(text.contains("1.01325"));
  EXPECT_TRUE(text.contains("13.82"));
  EXPECT_FALSE(text.contains("BEYOND"));
  EXPECT_FALSE(text.contains("BESIDE"));
  const QString info = RunTool("pdfinfo", {pdf_});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts"))) << info.toStdString();
}

// State: the report's worksheet renamed on disk. Action: Print. Expected: the first worksheet
// is printed all the same (it is taken by position, not by name).
TEST_F(ReportWindowTest, PrintTakesTheFirstWorksheetWhateverItsName) {
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  QByteArray bytes = ReadBytes(report_);
  bytes.replace("Vaporel", "Vapxrel");
  {
    QFile f(report_);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  pdf_ = dir_.path() + "/renamed.pdf";
  ModalWatchdog watchdog;
  form2.printButton()->click();
  EXPECT_TRUE(watchdog.boxes().empty());
  const QString text = RunTool("pdftotext", {pdf_, "-"}).simplified();
  EXPECT_TRUE(text.contains("Prandtl Number, Pr [-]")) << text.toStdString();
}

// State: no printer on the system. Action: Print. Expected: an "ERROR" box that says so, and
// the window stays open.
TEST_F(ReportWindowTest, PrintWithoutAPrinterSaysSo) {
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  form2.show();
  ModalWatchdog watchdog;
  form2.printButton()->click();
  ASSERT_EQ(watchdog.boxes().size(), 1u);
  EXPECT_EQ(watchdog.boxes()[0].title, "ERROR");
  EXPECT_EQ(watchdog.boxes()[0].icon, QMessageBox::Critical);
  EXPECT_EQ(watchdog.boxes()[0].text, kNoPrinterMessage);
  EXPECT_TRUE(form2.isVisible());
}

// State: the report removed after Form2 opened. Action: Print. Expected: an "ERROR" box.
TEST_F(ReportWindowTest, PrintOfAVanishedReportSaysSo) {
  pdf_ = dir_.path() + "/report.pdf";
  ReportWindowDialog form2(nullptr, services());
  ASSERT_TRUE(form2.loadReport(report_));
  QFile::remove(report_);
  ModalWatchdog watchdog;
  form2.printButton()->click();
  ASSERT_EQ(watchdog.boxes().size(), 1u);
  EXPECT_EQ(watchdog.boxes()[0].title, "ERROR");
  EXPECT_EQ(watchdog.boxes()[0].text, kPrintFailedMessage);
}

// State: the report generated. Action: the window is shown modally, the user presses Back.
// Expected: the modal show returns, reporting the window as shown.
TEST_F(ReportWindowTest, BackHidesTheModalWindow) {
  QMainWindow owner;
  owner.show();
  bool sawForm2 = false;
  ModalWatchdog watchdog([&](QWidget* modal) {
    if (modal->objectName() != "Form2") return false;
    sawForm2 = true;
    EXPECT_EQ(modal->parentWidget(), &owner);
    auto* back = modal->findChild<QPushButton*>("Command3");
    QMetaObject::invokeMethod(back, "click", Qt::QueuedConnection);
    return true;
  });
  DesktopReportWindow window(&owner, services());
  EXPECT_TRUE(window.showReport(report_.toStdString()));
  EXPECT_TRUE(sawForm2);
  EXPECT_EQ(watchdog.rejectedUnhandled, 0);
  EXPECT_EQ(owner.findChildren<QDialog*>().size(), 0);
}

// The desktop of the program, with its program folder in the test's own folder.
class FolderPlatform : public QtPlatform {
 public:
  explicit FolderPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::string programFolder() override { return folder_; }

 private:
  std::string folder_;
};

// The program's main window over a report folder, after a user calculated pair 1 at
// 1.01325 bar, 21.5 °C, 40 %.
struct CalculatedDesktop {
  explicit CalculatedDesktop(const QString& folder)
      : platform(folder.toStdString()), logic(model, platform, Numbers('.')), window(logic, Twips(1.0)) {
    platform.attach(&window, [this] { window.render(); });
    logic.setReportCommand(DesktopReportCommand(model, platform, '.', &window));
    window.start();
  }
  void calculate() {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    UserDriver user(logic);
    ASSERT_TRUE(user.pick(0));
    ASSERT_TRUE(user.type("Text2", "1.01325"));
    user.tab();
    ASSERT_TRUE(user.type("Text3", "21.5"));
    user.tab();
    ASSERT_TRUE(user.type("Text4", "40"));
    user.tab();
    ASSERT_TRUE(user.clickOn("Command1"));
    window.render();
    ASSERT_TRUE(window.control("Command3")->isEnabled());
  }

  MainWindowModel model;
  FolderPlatform platform;
  MainWindowLogic logic;
  MainWindow window;
};

// State: the program's main window after a user calculated pair 1. Action: a click on the
// real "Excel" button. Expected: Form2 opens modally over the main window, no longer busy,
// on the report just written (the first input as typed); Back returns to the main window.
TEST_F(ReportWindowTest, ExcelOnTheMainWindowOpensForm2OnTheNewReport) {
  CalculatedDesktop desktop(dir_.path());
  ASSERT_NO_FATAL_FAILURE(desktop.calculate());

  std::string shownB5;
  bool busyWhileShown = true;
  ModalWatchdog watchdog([&](QWidget* modal) {
    auto* form2 = dynamic_cast<ReportWindowDialog*>(modal);
    if (form2 == nullptr) return false;
    EXPECT_EQ(form2->parentWidget(), &desktop.window);
    if (form2->viewer()->sheet()) shownB5 = TextAt(*form2->viewer()->sheet(), "B5");
    busyWhileShown = desktop.model.busyPointer || desktop.model["Frame4"].visible;
    QMetaObject::invokeMethod(form2->backButton(), "click", Qt::QueuedConnection);
    return true;
  });
  QTest::mouseClick(desktop.window.control("Command3"), Qt::LeftButton);

  EXPECT_EQ(shownB5, "21.5");
  EXPECT_FALSE(busyWhileShown);
  EXPECT_TRUE(watchdog.boxes().empty());
  EXPECT_EQ(watchdog.rejectedUnhandled, 0);
  const auto saved = ReadReportSheet(report_.toStdString());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(TextAt(*saved, "B6"), "40");
  EXPECT_EQ(TextAt(*saved, "A6"), "Relative humidity [%] ");
  EXPECT_TRUE(desktop.window.isVisible());
}

// State: the program's report is a re-saved report damaged where opening alone does not
// look; a user calculated pair 1. Action: Excel. Expected: the report's error message, no
// Form2, the window as it was (fields, results, not busy), the file byte-identical.
TEST_F(ReportWindowTest, ExcelOnADamagedReportShowsTheReportErrorAndKeepsTheWindow) {
  QFile::remove(report_);
  ASSERT_TRUE(QFile::copy(QStringLiteral(VAPOREL_DAMAGED_DIR) + "/record-shorter-than-its-fields.xls", report_));
  QFile::setPermissions(report_, QFile::ReadOwner | QFile::WriteOwner);
  const QByteArray before = ReadBytes(report_);
  CalculatedDesktop desktop(dir_.path());
  ASSERT_NO_FATAL_FAILURE(desktop.calculate());
  const std::string shownTdp = desktop.model["l10"].text;
  ASSERT_FALSE(shownTdp.empty());

  ModalWatchdog watchdog;
  QTest::mouseClick(desktop.window.control("Command3"), Qt::LeftButton);

  ASSERT_EQ(watchdog.boxes().size(), 1u);
  EXPECT_EQ(watchdog.boxes()[0].title.toStdString(), kReportErrorTitle);
  EXPECT_EQ(watchdog.boxes()[0].text.toStdString(), kReportErrorMessage);
  EXPECT_EQ(watchdog.boxes()[0].icon, QMessageBox::Critical);
  EXPECT_EQ(watchdog.rejectedUnhandled, 0);
  EXPECT_TRUE(desktop.window.isVisible());
  EXPECT_FALSE(desktop.model.busyPointer || desktop.model["Frame4"].visible);
  EXPECT_EQ(desktop.model["Text3"].text, "21.5");
  EXPECT_EQ(desktop.model["l10"].text, shownTdp);
  EXPECT_TRUE(desktop.model["Frame2"].visible);
  EXPECT_EQ(ReadBytes(report_), before);
}

// State: a calculated window whose Excel command fails unexpectedly (it throws). Action:
// Excel. Expected: the failure shown as a message naming its cause; the program runs on.
TEST_F(ReportWindowTest, AnExceptionFromACommandIsShownNotFatal) {
  CalculatedDesktop desktop(dir_.path());
  ASSERT_NO_FATAL_FAILURE(desktop.calculate());
  desktop.logic.setReportCommand([] { throw std::runtime_error("no room for the report"); });

  ModalWatchdog watchdog;
  QTest::mouseClick(desktop.window.control("Command3"), Qt::LeftButton);

  ASSERT_EQ(watchdog.boxes().size(), 1u);
  EXPECT_EQ(watchdog.boxes()[0].title, kErrorTitle);
  EXPECT_EQ(watchdog.boxes()[0].text.toStdString(), std::string(kUnexpectedFailureMessage) + "no room for the report");
  EXPECT_EQ(watchdog.boxes()[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(desktop.window.isVisible());
  EXPECT_EQ(desktop.model["Text3"].text, "21.5");
}

}  // namespace
}  // namespace vaporel
