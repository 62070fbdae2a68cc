// The main window driven like a user would: real key and mouse events through
// the program's application object, with every rule of the window in the logic.

#include "shell/main_window.hpp"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>
#include <memory>

#include "modal_watchdog.hpp"
#include "qt_printing.hpp"
#include "shell/chart_window.hpp"
#include "shell/qt_platform.hpp"
#include "support/separator.hpp"
#include "support/typical_state.hpp"

using namespace vaporel;

namespace {

const QColor kRedField(255, 0, 0);
const QColor kWhiteField(255, 255, 255);
const QColor kResultCyan(128, 255, 255);

const char* const kResultLabels[] = {"l7",  "l8",  "l9",  "l10", "l11", "l12", "l13",
                                     "l14", "l15", "l16", "l17", "l18", "l19"};

// One program run: model, platform, logic and window, as main() wires them.
struct Session {
  explicit Session(char separator, const QString& opener = QStringLiteral("true"))
      : platform(QtPlatform::Options{[this] { ++endRequests; }, opener}),
        logic(model, platform, Numbers(separator)),
        window(logic, Twips(1.0)) {
    platform.attach(&window, [this] { window.render(); });
    window.start();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  vaporel::testing::ModalWatchdog watchdog;  // first built, last gone: outlives every box of the session
  int endRequests = 0;
  MainWindowModel model;
  QtPlatform platform;
  MainWindowLogic logic;
  MainWindow window;
};

QString Localised(const char* text, char separator) {
  return QString::fromStdString(vaporel::testing::WithSeparator(text, separator));
}

// A window the program opened beside the main one; it notes when it is unloaded.
class SideWindow : public QWidget {
 public:
  SideWindow(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    const bool placementWritten = QSettings("Vaporel", "Vaporel").contains("Settings/MainLeft");
    log_ << name_ + (placementWritten ? " after settings" : " before settings");
    event->accept();
  }

 private:
  QString name_;
  QStringList& log_;
};

}  // namespace

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { QSettings("Vaporel", "Vaporel").clear(); }
  void TearDown() override {
    s_.reset();
    QSettings("Vaporel", "Vaporel").clear();
  }

  std::unique_ptr<Session> s_;

  void start(char separator = '.', const QString& opener = QStringLiteral("true")) {
    s_ = std::make_unique<Session>(separator, opener);
  }

  template <class W = QWidget>
  W* widget(const char* name) const {
    auto* w = qobject_cast<W*>(s_->window.control(name));
    if (w == nullptr) qFatal("no control %s", name);
    return w;
  }
  QString text(const char* name) const {
    if (auto* field = qobject_cast<QLineEdit*>(s_->window.control(name))) return field->text();
    return widget<QLabel>(name)->text();
  }
  static QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
  }
  void click(const char* name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
  void type(const char* name, const QString& keys) { QTest::keyClicks(widget(name), keys); }
  static void tab(bool backwards = false) {
    QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
  }
  void typeTheRoad(char separator) {
    click("Text2");
    type("Text2", Localised("1.01325", separator));
    tab();
    type("Text3", "20");
    tab();
    type("Text4", "50");
  }
  // The window as the user sees it, kept in the build folder for a person to look at.
  QImage screenshot(const QString& file) const {
    QImage image = s_->window.grab().toImage();
    image.save(QStringLiteral(VAPOREL_ARTIFACT_DIR "/") + file, "PNG");
    return image;
  }
  // The colour a few pixels inside the left edge of a control, clear of centred text.
  QColor colourInside(const QImage& image, const char* name) const {
    QWidget* w = widget(name);
    const QPoint at = w->mapTo(&s_->window, QPoint(4, w->height() / 2));
    return image.pixelColor(at);
  }
};

// State: the program has just started. Action: none.
// Expected: first pair selected, selector focused, input frame ready, results hidden.
TEST_F(MainWindowTest, StartsReadyForThePressure) {
  start();
  ASSERT_EQ(s_->window.windowTitle(), QStringLiteral("THERMODYNAMIC PROPERTIES OF VAPOREL"));
  ASSERT_TRUE(s_->window.windowIcon().availableSizes().contains(QSize(32, 32)));
  ASSERT_EQ(focusName(), QStringLiteral("Combo1"));
  ASSERT_EQ(widget<QComboBox>("Combo1")->currentText(), QStringLiteral("Dry Bulb Temperature & Relative Humidity"));
  ASSERT_EQ(text("Label7"), QStringLiteral("Dry bulb temperature [oC] "));
  ASSERT_EQ(text("Label8"), QStringLiteral("Relative humidity [%] "));
  ASSERT_EQ(text("Label1"), QStringLiteral("Absolute pressure, Pa [bar]"));
  ASSERT_EQ(text("Label2(0)"), QStringLiteral("Absolute pressure, Pa  [bar]"));
  for (const char* field : {"Text2", "Text3", "Text4"}) {
    ASSERT_TRUE(widget(field)->isVisible());
    ASSERT_TRUE(widget(field)->isEnabled());
    ASSERT_EQ(text(field), QString());
  }
  ASSERT_TRUE(widget("Command1")->isVisible() && widget("Command1")->isEnabled());
  ASSERT_TRUE(widget("Command2")->isVisible() && !widget("Command2")->isEnabled());
  ASSERT_TRUE(widget("Command3")->isVisible() && !widget("Command3")->isEnabled());
  ASSERT_TRUE(widget("Frame3")->isVisible());
  ASSERT_TRUE(!widget("Label14")->isVisible());
  ASSERT_TRUE(!widget("Frame2")->isVisible());
  ASSERT_TRUE(!widget("Frame4")->isVisible());
  ASSERT_EQ(widget<QGroupBox>("Frame1")->title(), QStringLiteral("Input data"));
  ASSERT_EQ(s_->window.findChild<QStatusBar*>()->findChild<QLabel*>()->text(),
            QStringLiteral("Note: As a decimal separator use ."));
  ASSERT_EQ(s_->window.menuCommand("dok")->text(), QStringLiteral("Source"));
  ASSERT_EQ(s_->window.menuCommand("ie")->text(), QStringLiteral("Properties"));
  ASSERT_EQ(s_->window.menuCommand("exit")->text(), QStringLiteral("Exit"));
  ASSERT_TRUE(s_->watchdog.boxes().empty());

  const QImage image = screenshot("shell-start-state.png");
  ASSERT_EQ(colourInside(image, "Text2"), kWhiteField);
  ASSERT_TRUE(colourInside(image, "l7") != kResultCyan);  // output frame hidden
  ASSERT_EQ(colourInside(image, "Line4"), QColor(128, 128, 128));
}

// State: started at 96 dpi. Action: none.
// Expected: fixed 896 x 563 client area under the menu bar, no maximize; controls at their pixel places.
TEST_F(MainWindowTest, StandsAtItsLaidOutPositions) {
  start();
  ASSERT_EQ(s_->window.centralWidget()->size(), QSize(896, 563));
  ASSERT_EQ(s_->window.minimumSize(), s_->window.maximumSize());
  ASSERT_TRUE(!(s_->window.windowFlags() & Qt::WindowMaximizeButtonHint));
  ASSERT_TRUE(s_->window.windowFlags() & Qt::WindowMinimizeButtonHint);
  ASSERT_EQ(s_->window.centralWidget()->y(), s_->window.menuBar()->height());
  auto at = [this](const char* name) { return widget(name)->mapTo(s_->window.centralWidget(), QPoint(0, 0)); };
  ASSERT_EQ(at("Combo1"), QPoint(16, 144));
  ASSERT_EQ(at("Text2"), QPoint(16 + 232, 184 + 32));
  ASSERT_EQ(widget("Text2")->size(), QSize(81, 21));
  ASSERT_EQ(at("Command3"), QPoint(356, 272));
  ASSERT_EQ(at("l19"), QPoint(464 + 296, 112 + 392));
  ASSERT_EQ(widget("l7")->size(), QSize(80, 17));
  ASSERT_EQ(widget("StatusBar1")->geometry(), QRect(0, 546, 896, 17));
}

// State: started. Action: Tab (or Shift+Tab) pressed repeatedly.
// Expected: the focus walks the window's tab order, skipping the disabled buttons.
struct TabWalk {
  bool backwards;
  QStringList walk;
};
class TabOrder : public MainWindowTest, public ::testing::WithParamInterface<TabWalk> {};
INSTANTIATE_TEST_SUITE_P(BothWays, TabOrder,
                         ::testing::Values(TabWalk{false, {"Text2", "Text3", "Text4", "Command1", "Combo1", "Text2"}},
                                           TabWalk{true, {"Command1", "Text4", "Text3", "Text2", "Combo1"}}));

TEST_P(TabOrder, TabWalksTheTabOrder) {
  const bool backwards = GetParam().backwards;
  const QStringList& walk = GetParam().walk;
  start();
  for (const QString& expected : walk) {
    tab(backwards);
    ASSERT_EQ(focusName(), expected);
  }
  ASSERT_TRUE(s_->watchdog.boxes().empty());
}

// State: started, first pair. Action: pressure, temperature and humidity typed key by key,
// Tab between them, Calculate clicked. Expected: the thirteen results, output frame shown.
class FullRoad : public MainWindowTest, public ::testing::WithParamInterface<char> {};
INSTANTIATE_TEST_SUITE_P(Separators, FullRoad, ::testing::Values('.', ','));

TEST_P(FullRoad, ShowsTheResults) {
  const char separator = GetParam();
  start(separator);
  ASSERT_EQ(s_->window.findChild<QStatusBar*>()->findChild<QLabel*>()->text(),
            QStringLiteral("Note: As a decimal separator use ") + QChar::fromLatin1(separator));
  typeTheRoad(separator);
  ASSERT_EQ(focusName(), QStringLiteral("Text4"));
  click("Command1");

  for (int i = 0; i < 13; ++i) {
    ASSERT_EQ(text(kResultLabels[i]),
              Localised(vaporel::testing::kTypicalStateTexts[static_cast<std::size_t>(i)], separator));
  }
  ASSERT_TRUE(s_->watchdog.boxes().empty());
  ASSERT_TRUE(widget("Frame2")->isVisible());
  ASSERT_TRUE(widget("Command2")->isEnabled());
  ASSERT_TRUE(widget("Command3")->isEnabled());
  ASSERT_TRUE(widget("Label12")->isVisible());

  if (separator == '.') {
    const QImage image = screenshot("shell-results-state.png");
    ASSERT_EQ(colourInside(image, "l7"), kResultCyan);
    ASSERT_EQ(colourInside(image, "l19"), kResultCyan);
  }
}

// State: 0.05 typed into the pressure field. Action: the user tries to leave it.
// Expected: one "Error" box; the field empty, red and focused; the target never acted.
class RefusedPressure : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};
// Left by a click on Calculate, on the selector, on the next field, by Tab and by Shift+Tab.
INSTANTIATE_TEST_SUITE_P(EachWayOut, RefusedPressure,
                         ::testing::Values("Command1", "Combo1", "Text4", "Tab", "Backtab"));

TEST_P(RefusedPressure, KeepsTheFocus) {
  const QString leaveBy = QString::fromLatin1(GetParam());
  start();
  click("Text2");
  type("Text2", "0.05");
  if (leaveBy == "Tab" || leaveBy == "Backtab") {
    tab(leaveBy == "Backtab");
  } else {
    click(leaveBy.toLatin1().constData());
  }

  ASSERT_EQ(s_->watchdog.boxes().size(), 1u);
  const auto& box = s_->watchdog.boxes().front();
  ASSERT_EQ(box.title, QStringLiteral("Error"));
  ASSERT_EQ(box.icon, QMessageBox::Critical);
  ASSERT_EQ(box.text, QStringLiteral("Invalid entries, ambient air pressure must be greater than 0.1 bar"));
  // The window is activated again once the box has gone; the field has the focus from then on.
  for (int wait = 0; wait < 250 && focusName() != QStringLiteral("Text2"); ++wait) QTest::qWait(20);
  ASSERT_EQ(focusName(), QStringLiteral("Text2"));
  ASSERT_EQ(text("Text2"), QString());
  ASSERT_TRUE(!widget("Frame2")->isVisible());  // Calculate did not run
  ASSERT_EQ(text("l7"), QString());
  ASSERT_TRUE(!widget<QComboBox>("Combo1")->view()->isVisible());  // the list did not drop down

  const QImage image = screenshot("shell-refused-pressure.png");
  ASSERT_EQ(colourInside(image, "Text2"), kRedField);

  // The focus is really back: the next key lands in the refused field, and no second box came.
  QTest::keyClicks(QApplication::focusWidget(), "2");
  ASSERT_EQ(text("Text2"), QStringLiteral("2"));
  ASSERT_EQ(s_->watchdog.boxes().size(), 1u);
}

// State: the pressure field focused. Action: keys typed, or a long text pasted.
// Expected: the entry filter's text, caret at the end.
struct Typed {
  const char* keys;
  const char* shown;
};
class Typing : public MainWindowTest, public ::testing::WithParamInterface<Typed> {};
// Clamped to 10, letters refused, a minus refused, a decimal typed key by key.
INSTANTIATE_TEST_SUITE_P(Keys, Typing,
                         ::testing::Values(Typed{"15", "10"}, Typed{"2x", "2"}, Typed{"-", ""}, Typed{"1.5", "1.5"}));

TEST_P(Typing, PassesTheEntryFilter) {
  const QString keys = QString::fromLatin1(GetParam().keys);
  const QString shown = QString::fromLatin1(GetParam().shown);
  start();
  click("Text2");
  type("Text2", keys);
  ASSERT_EQ(text("Text2"), shown);
  ASSERT_EQ(widget<QLineEdit>("Text2")->cursorPosition(), int(shown.size()));
}

// State: the pressure field focused. Action: a text far longer than a field holds is pasted.
// Expected: no crash; the field keeps at most 64 characters, filtered.
TEST_F(MainWindowTest, LongPasteIsCut) {
  start();
  click("Text2");
  auto* field = widget<QLineEdit>("Text2");
  QApplication::clipboard()->setText(QString(5000, QChar('1')));
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  ASSERT_TRUE(field->text().size() <= 64);
  ASSERT_EQ(field->text(), QStringLiteral("10"));
}

// State: the three fields typed, the focus in the last one. Action: Return there, then
// Tab to Calculate and Enter. Expected: Return in a field changes nothing; Enter on the
// focused button calculates as a click does.
TEST_F(MainWindowTest, ReturnOnAFocusedButtonClicksIt) {
  start();
  typeTheRoad('.');
  QTest::keyClick(widget("Text4"), Qt::Key_Return);
  ASSERT_EQ(focusName(), QStringLiteral("Text4"));
  ASSERT_FALSE(widget("Frame2")->isVisible());
  tab();
  ASSERT_EQ(focusName(), QStringLiteral("Command1"));
  QTest::keyClick(widget("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
  ASSERT_TRUE(widget("Frame2")->isVisible());
  ASSERT_EQ(text("l7"), QString::fromLatin1(vaporel::testing::kTypicalStateTexts[0]));
  ASSERT_TRUE(s_->watchdog.boxes().empty());
}

// State: results shown. Action: Reset clicked.
// Expected: fields and boundary values empty, output frame hidden, Reset and Excel disabled,
// the focus in the pressure field.
TEST_F(MainWindowTest, ResetWipesInputsAndResults) {
  start();
  typeTheRoad('.');
  click("Command1");
  ASSERT_TRUE(widget("Frame2")->isVisible());
  click("Command2");
  for (const char* name : {"Text2", "Text3", "Text4", "Label12", "Label19", "Label21"})
    ASSERT_EQ(text(name), QString());
  ASSERT_TRUE(!widget("Frame2")->isVisible());
  ASSERT_TRUE(!widget("Command2")->isEnabled());
  ASSERT_TRUE(!widget("Command3")->isEnabled());
  ASSERT_EQ(focusName(), QStringLiteral("Text2"));
  ASSERT_TRUE(s_->watchdog.boxes().empty());
}

// State: the selector focused. Action: the fourth entry picked with the keyboard.
// Expected: the first field is relabelled for an absolute humidity.
TEST_F(MainWindowTest, PickingAPairRelabelsTheFields) {
  start();
  for (int i = 0; i < 3; ++i) QTest::keyClick(widget("Combo1"), Qt::Key_Down);
  ASSERT_EQ(widget<QComboBox>("Combo1")->currentIndex(), 3);
  ASSERT_EQ(text("Label7"), QStringLiteral("Absolute humidity [-] "));
  ASSERT_EQ(text("Label8"), QStringLiteral("Enthalpy [kJ/kg] "));
}

// State: started. Action: the model asks for the busy pointer and panel, and a repaint now.
// Expected: both show at once, before control returns to the event loop; both go again.
TEST_F(MainWindowTest, RepaintShowsTheBusyStateAtOnce) {
  start();
  s_->model.busyPointer = true;
  s_->model["Frame4"].visible = true;
  s_->platform.repaint();
  ASSERT_TRUE(widget("Frame4")->isVisible());
  ASSERT_TRUE(QApplication::overrideCursor() != nullptr);
  ASSERT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  s_->model.busyPointer = false;
  s_->model["Frame4"].visible = false;
  s_->window.render();
  ASSERT_TRUE(!widget("Frame4")->isVisible());
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
}

// State: two other windows opened by the program, one of them hidden. Action: the main window closed.
// Expected: both unloaded, the last opened first, before the placement is written.
TEST_F(MainWindowTest, ClosingUnloadsOtherWindowsFirst) {
  start();
  QStringList log;
  SideWindow first("first", log);
  SideWindow second("second", log);
  first.show();
  s_->window.adoptWindow(&first);
  s_->window.adoptWindow(&second);
  ASSERT_TRUE(s_->window.close());
  ASSERT_EQ(log, (QStringList{"second before settings", "first before settings"}));
  ASSERT_TRUE(QSettings("Vaporel", "Vaporel").contains("Settings/MainLeft"));
}

// State: the reference document beside the program; a viewer that opens it or fails.
// Action: "Properties" chosen. Expected: a failing viewer is reported in an "Error" box
// and the program keeps running; a working one shows no box.
struct Viewer {
  const char* opener;
  int boxes;
};
class Properties : public MainWindowTest, public ::testing::WithParamInterface<Viewer> {};
// A viewer that opens the document, and one that fails.
INSTANTIATE_TEST_SUITE_P(Viewers, Properties, ::testing::Values(Viewer{"true", 0}, Viewer{"false", 1}));

TEST_P(Properties, ReportsAFailingViewer) {
  const QString opener = QString::fromLatin1(GetParam().opener);
  const int boxes = GetParam().boxes;
  ASSERT_TRUE(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/For Soft.doc"));
  start('.', opener);
  s_->window.menuCommand("ie")->trigger();
  ASSERT_EQ(int(s_->watchdog.boxes().size()), boxes);
  if (boxes > 0) {
    ASSERT_EQ(s_->watchdog.boxes().front().title, QStringLiteral("Error"));
    ASSERT_EQ(s_->watchdog.boxes().front().icon, QMessageBox::Critical);
  }
  ASSERT_TRUE(s_->window.isVisible());
  ASSERT_EQ(s_->endRequests, 0);
}

// State: started, normal or minimized. Action: the window is closed.
// Expected: the placement in twips written to [Settings], none when minimized.
class Placement : public MainWindowTest, public ::testing::WithParamInterface<bool> {};
INSTANTIATE_TEST_SUITE_P(NormalOrMinimized, Placement, ::testing::Bool());

TEST_P(Placement, ClosingWritesIt) {
  const bool minimized = GetParam();
  start();
  if (minimized) s_->window.showMinimized();
  const QRect frame = s_->window.frameGeometry();
  ASSERT_TRUE(s_->window.close());

  QSettings settings("Vaporel", "Vaporel");
  settings.beginGroup("Settings");
  if (minimized) {
    ASSERT_TRUE(settings.allKeys().isEmpty());
    return;
  }
  ASSERT_EQ(settings.value("MainLeft").toString(), QString::number(frame.x() * 15));
  ASSERT_EQ(settings.value("MainTop").toString(), QString::number(frame.y() * 15));
  ASSERT_EQ(settings.value("MainWidth").toString(), QString::number(frame.width() * 15));
  ASSERT_TRUE(frame.width() >= 896);
  ASSERT_EQ(settings.value("MainHeight").toString(), QString::number(frame.height() * 15));
  ASSERT_TRUE(frame.height() > 563);  // the menu bar stands above the client area
}

// State: a refused value in the pressure field. Action: the window is closed.
// Expected: closing never waits on the field check: no box, settings written.
TEST_F(MainWindowTest, ClosingBypassesTheFieldCheck) {
  start();
  click("Text2");
  type("Text2", "0.05");
  ASSERT_TRUE(s_->window.close());
  ASSERT_TRUE(s_->watchdog.boxes().empty());
  ASSERT_TRUE(QSettings("Vaporel", "Vaporel").contains("Settings/MainLeft"));
}

// State: started, a refused value in the pressure field. Action: "Exit" chosen.
// Expected: the program is asked to end at once, without a check and without settings.
TEST_F(MainWindowTest, ExitEndsWithoutWritingSettings) {
  start();
  click("Text2");
  type("Text2", "0.05");
  s_->window.menuCommand("exit")->trigger();
  ASSERT_EQ(s_->endRequests, 1);
  ASSERT_TRUE(s_->watchdog.boxes().empty());
  ASSERT_TRUE(QSettings("Vaporel", "Vaporel").allKeys().isEmpty());
}

// State: a pressure accepted, no results yet. Action: "Chart", then Calculate, then Reset.
// Expected: the chart at that pressure without a point; then the calculated state as the
// point, drawn where the geometry puts it, named by the status line; after Reset no point
// and the standard pressure. "Chart" sits between "Source" and "Exit".
TEST_F(MainWindowTest, ChartWindowFollowsCalculateAndReset) {
  start();
  const QList<QAction*> bar = s_->window.menuBar()->actions();
  ASSERT_EQ(bar.indexOf(s_->window.chartCommand()), bar.indexOf(s_->window.menuCommand("dok")) + 1);
  ASSERT_EQ(bar.indexOf(s_->window.menuCommand("exit")), bar.indexOf(s_->window.chartCommand()) + 1);
  click("Text2");
  type("Text2", "2");
  tab();
  s_->window.chartCommand()->trigger();
  ChartWindow* chart = s_->window.chartWindow();
  ASSERT_NE(chart, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("Psychrometric chart"));
  EXPECT_EQ(chart->subject().p, 2);
  EXPECT_FALSE(chart->subject().state);

  QApplication::setActiveWindow(&s_->window);
  click("Text2");
  QTest::keyClick(widget("Text2"), Qt::Key_A, Qt::ControlModifier);
  type("Text2", "1.01325");
  tab();
  type("Text3", "20");
  tab();
  type("Text4", "50");
  click("Command1");
  ASSERT_TRUE(s_->model.resultState);
  ASSERT_TRUE(chart->subject().state);
  EXPECT_EQ(chart->subject().state->x, s_->model.resultState->x);
  EXPECT_EQ(chart->geometry().states.size(), 1u);

  const QImage image = chart->canvas()->grab().toImage();
  chart->grab().save(QStringLiteral(VAPOREL_ARTIFACT_DIR "/shell-chart-window.png"), "PNG");
  const auto at = chart->canvas()->canvasPointOf({20, s_->model.resultState->x});
  ASSERT_TRUE(at);
  EXPECT_EQ(image.pixelColor(at->toPoint()), QColor(210, 0, 0));
  EXPECT_TRUE(
      chart->canvas()->textAt(*at).startsWith("tdb 20.00 oC   x 0.00725   RH 50.0 %   h 38.49 kJ/kg   twb 13.73"))
      << chart->canvas()->textAt(*at).toStdString();

  click("Command2");
  EXPECT_FALSE(chart->subject().state);
  EXPECT_EQ(chart->subject().p, 1.01325);
  s_->window.chartCommand()->trigger();
  EXPECT_EQ(s_->window.chartWindow(), chart);
  ASSERT_TRUE(s_->watchdog.boxes().empty());
}

// State: the chart window with no printer, then with one it cannot open. Action: Print.
// Expected: each failure an "ERROR" box that speaks of the chart, not of the report.
TEST(ChartWindowPrint, FailuresNameTheChart) {
  MainWindowModel model;
  QString pdf;
  const auto printer = [&pdf]() -> std::unique_ptr<QPrinter> {
    if (pdf.isEmpty()) return nullptr;
    auto made = std::make_unique<QPrinter>(QPrinter::HighResolution);
    made->setOutputFormat(QPrinter::PdfFormat);
    made->setOutputFileName(pdf);
    return made;
  };
  ChartWindow chart(model, Numbers('.'), {nullptr, printer});
  vaporel::testing::ModalWatchdog watchdog;
  chart.print();
  pdf = QStringLiteral("/nonexistent-folder/chart.pdf");
  chart.print();
  ASSERT_EQ(watchdog.boxes().size(), 2u);
  EXPECT_EQ(watchdog.boxes()[0].text, kChartNoPrinterMessage);
  EXPECT_EQ(watchdog.boxes()[1].text, kChartPrintFailedMessage);
  for (const auto& box : watchdog.boxes()) {
    EXPECT_EQ(box.title, kErrorTitle);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
  }
}

// State: a chart window. Action: IP chosen. Expected: the chart and its status line in °F,
// and the next chart window opening in IP.
TEST(ChartWindowUnits, IpIsShownAndRemembered) {
  QSettings("Vaporel", "Vaporel").clear();
  MainWindowModel model;
  {
    ChartWindow chart(model, Numbers('.'), {nullptr, nullptr});
    EXPECT_EQ(chart.units(), UnitSystem::SI);
    chart.resize(1000, 720);
    chart.setUnits(UnitSystem::IP);
    EXPECT_EQ(chart.geometry().units, UnitSystem::IP);
    chart.canvas()->grab();  // drawn once, as on the screen
    const auto at = chart.canvas()->canvasPointOf({25, 0.010});
    ASSERT_TRUE(at);
    EXPECT_TRUE(chart.canvas()->textAt(*at).startsWith("tdb 77.00 oF   x 0.01000 lb/lb   RH "))
        << chart.canvas()->textAt(*at).toStdString();
  }
  ChartWindow next(model, Numbers('.'), {nullptr, nullptr});
  EXPECT_EQ(next.units(), UnitSystem::IP);
  QSettings("Vaporel", "Vaporel").clear();
}
