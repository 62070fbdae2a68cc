// The main window driven like a user would: real key and mouse events through
// the program's application object, with every rule of the window in the logic.

#include "shell/main_window.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>
#include <memory>

#include "modal_watchdog.hpp"
#include "shell/qt_platform.hpp"
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
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  vaporel::testing::ModalWatchdog watchdog;  // first built, last gone: outlives every box of the session
  int endRequests = 0;
  MainWindowModel model;
  QtPlatform platform;
  MainWindowLogic logic;
  MainWindow window;
};

QString localised(QString text, char separator) { return text.replace('.', QChar::fromLatin1(separator)); }

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

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
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
    type("Text2", localised("1.01325", separator));
    tab();
    type("Text3", "20");
    tab();
    type("Text4", "50");
  }
  // The window as the user sees it, kept in the build folder for a person to look at.
  QImage screenshot(const QString& file) const {
    const QImage image = s_->window.grab().toImage();
    image.save(QStringLiteral(VAPOREL_ARTIFACT_DIR "/") + file, "PNG");
    return image;
  }
  // The colour a few pixels inside the left edge of a control, clear of centred text.
  QColor colourInside(const QImage& image, const char* name) const {
    QWidget* w = widget(name);
    const QPoint at = w->mapTo(&s_->window, QPoint(4, w->height() / 2));
    return image.pixelColor(at);
  }

 private slots:
  void init() { QSettings("Vaporel", "Vaporel").clear(); }
  void cleanup() {
    s_.reset();
    QSettings("Vaporel", "Vaporel").clear();
  }

  // State: the program has just started. Action: none.
  // Expected: first pair selected, selector focused, input frame ready, results hidden.
  void startsReadyForThePressure() {
    start();
    QCOMPARE(s_->window.windowTitle(), QStringLiteral("THERMODYNAMIC PROPERTIES OF VAPOREL"));
    QVERIFY(s_->window.windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(focusName(), QStringLiteral("Combo1"));
    QCOMPARE(widget<QComboBox>("Combo1")->currentText(), QStringLiteral("Dry Bulb Temperature & Relative Humidity"));
    QCOMPARE(text("Label7"), QStringLiteral("Dry bulb temperature [oC] "));
    QCOMPARE(text("Label8"), QStringLiteral("Relative humidity [%] "));
    QCOMPARE(text("Label1"), QStringLiteral("Absolute pressure, Pa [bar]"));
    QCOMPARE(text("Label2(0)"), QStringLiteral("Absolute pressure, Pa  [bar]"));
    for (const char* field : {"Text2", "Text3", "Text4"}) {
      QVERIFY(widget(field)->isVisible());
      QVERIFY(widget(field)->isEnabled());
      QCOMPARE(text(field), QString());
    }
    QVERIFY(widget("Command1")->isVisible() && widget("Command1")->isEnabled());
    QVERIFY(widget("Command2")->isVisible() && !widget("Command2")->isEnabled());
    QVERIFY(widget("Command3")->isVisible() && !widget("Command3")->isEnabled());
    QVERIFY(widget("Frame3")->isVisible());
    QVERIFY(!widget("Label14")->isVisible());
    QVERIFY(!widget("Frame2")->isVisible());
    QVERIFY(!widget("Frame4")->isVisible());
    QCOMPARE(widget<QGroupBox>("Frame1")->title(), QStringLiteral("Input data"));
    QCOMPARE(s_->window.findChild<QStatusBar*>()->findChild<QLabel*>()->text(),
             QStringLiteral("Note: As a decimal separator use ."));
    QCOMPARE(s_->window.menuCommand("dok")->text(), QStringLiteral("Source"));
    QCOMPARE(s_->window.menuCommand("ie")->text(), QStringLiteral("Properties"));
    QCOMPARE(s_->window.menuCommand("exit")->text(), QStringLiteral("Exit"));
    QVERIFY(s_->watchdog.boxes().empty());

    const QImage image = screenshot("shell-start-state.png");
    QCOMPARE(colourInside(image, "Text2"), kWhiteField);
    QVERIFY(colourInside(image, "l7") != kResultCyan);  // output frame hidden
    QCOMPARE(colourInside(image, "Line4"), QColor(128, 128, 128));
  }

  // State: started at 96 dpi. Action: none.
  // Expected: fixed 896 x 563 client area under the menu bar, no maximize; controls at their pixel places.
  void standsAtItsLaidOutPositions() {
    start();
    QCOMPARE(s_->window.centralWidget()->size(), QSize(896, 563));
    QCOMPARE(s_->window.minimumSize(), s_->window.maximumSize());
    QVERIFY(!(s_->window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(s_->window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(s_->window.centralWidget()->y(), s_->window.menuBar()->height());
    auto at = [this](const char* name) { return widget(name)->mapTo(s_->window.centralWidget(), QPoint(0, 0)); };
    QCOMPARE(at("Combo1"), QPoint(16, 144));
    QCOMPARE(at("Text2"), QPoint(16 + 232, 184 + 32));
    QCOMPARE(widget("Text2")->size(), QSize(81, 21));
    QCOMPARE(at("Command3"), QPoint(356, 272));
    QCOMPARE(at("l19"), QPoint(464 + 296, 112 + 392));
    QCOMPARE(widget("l7")->size(), QSize(80, 17));
    QCOMPARE(widget("StatusBar1")->geometry(), QRect(0, 546, 896, 17));
  }

  // State: started. Action: Tab (or Shift+Tab) pressed repeatedly.
  // Expected: the focus walks the window's tab order, skipping the disabled buttons.
  void tabWalksTheTabOrder_data() {
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("walk");
    QTest::newRow("Tab") << false << QStringList{"Text2", "Text3", "Text4", "Command1", "Combo1", "Text2"};
    QTest::newRow("Shift+Tab") << true << QStringList{"Command1", "Text4", "Text3", "Text2", "Combo1"};
  }
  void tabWalksTheTabOrder() {
    QFETCH(bool, backwards);
    QFETCH(QStringList, walk);
    start();
    for (const QString& expected : walk) {
      tab(backwards);
      QCOMPARE(focusName(), expected);
    }
    QVERIFY(s_->watchdog.boxes().empty());
  }

  // State: started, first pair. Action: pressure, temperature and humidity typed key by key,
  // Tab between them, Calculate clicked. Expected: the thirteen results, output frame shown.
  void fullRoadShowsTheResults_data() {
    QTest::addColumn<char>("separator");
    QTest::newRow("full stop") << '.';
    QTest::newRow("comma") << ',';
  }
  void fullRoadShowsTheResults() {
    QFETCH(char, separator);
    start(separator);
    QCOMPARE(s_->window.findChild<QStatusBar*>()->findChild<QLabel*>()->text(),
             QStringLiteral("Note: As a decimal separator use ") + QChar::fromLatin1(separator));
    typeTheRoad(separator);
    QCOMPARE(focusName(), QStringLiteral("Text4"));
    click("Command1");

    for (int i = 0; i < 13; ++i) {
      QCOMPARE(text(kResultLabels[i]),
               localised(QString::fromLatin1(vaporel::testing::kTypicalStateTexts[i]), separator));
    }
    QVERIFY(s_->watchdog.boxes().empty());
    QVERIFY(widget("Frame2")->isVisible());
    QVERIFY(widget("Command2")->isEnabled());
    QVERIFY(widget("Command3")->isEnabled());
    QVERIFY(widget("Label12")->isVisible());

    if (separator == '.') {
      const QImage image = screenshot("shell-results-state.png");
      QCOMPARE(colourInside(image, "l7"), kResultCyan);
      QCOMPARE(colourInside(image, "l19"), kResultCyan);
    }
  }

  // State: 0.05 typed into the pressure field. Action: the user tries to leave it.
  // Expected: one "Error" box; the field empty, red and focused; the target never acted.
  void refusedPressureKeepsTheFocus_data() {
    QTest::addColumn<QString>("leaveBy");
    QTest::newRow("click on Calculate") << "Command1";
    QTest::newRow("click on the selector") << "Combo1";
    QTest::newRow("click on the next field") << "Text4";
    QTest::newRow("Tab") << "Tab";
    QTest::newRow("Shift+Tab") << "Backtab";
  }
  void refusedPressureKeepsTheFocus() {
    QFETCH(QString, leaveBy);
    start();
    click("Text2");
    type("Text2", "0.05");
    if (leaveBy == "Tab" || leaveBy == "Backtab") {
      tab(leaveBy == "Backtab");
    } else {
      click(leaveBy.toLatin1().constData());
    }

    QCOMPARE(s_->watchdog.boxes().size(), 1u);
    const auto& box = s_->watchdog.boxes().front();
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.text, QStringLiteral("Invalid entries, ambient air pressure must be greater than 0.1 bar"));
    // The window is activated again once the box has gone; the field has the focus from then on.
    QTRY_COMPARE(focusName(), QStringLiteral("Text2"));
    QCOMPARE(text("Text2"), QString());
    QVERIFY(!widget("Frame2")->isVisible());  // Calculate did not run
    QCOMPARE(text("l7"), QString());
    QVERIFY(!widget<QComboBox>("Combo1")->view()->isVisible());  // the list did not drop down

    const QImage image = screenshot("shell-refused-pressure.png");
    QCOMPARE(colourInside(image, "Text2"), kRedField);

    // The focus is really back: the next key lands in the refused field, and no second box came.
    QTest::keyClicks(QApplication::focusWidget(), "2");
    QCOMPARE(text("Text2"), QStringLiteral("2"));
    QCOMPARE(s_->watchdog.boxes().size(), 1u);
  }

  // State: the pressure field focused. Action: keys typed, or a long text pasted.
  // Expected: the entry filter's text, caret at the end.
  void typingPassesTheEntryFilter_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("clamped to 10") << "15"
                                   << "10";
    QTest::newRow("letters refused") << "2x"
                                     << "2";
    QTest::newRow("minus refused") << "-"
                                   << "";
    QTest::newRow("decimal typed key by key") << "1.5"
                                              << "1.5";
  }
  void typingPassesTheEntryFilter() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    start();
    click("Text2");
    type("Text2", keys);
    QCOMPARE(text("Text2"), shown);
    QCOMPARE(widget<QLineEdit>("Text2")->cursorPosition(), int(shown.size()));
  }

  // State: the pressure field focused. Action: a text far longer than a field holds is pasted.
  // Expected: no crash; the field keeps at most 64 characters, filtered.
  void longPasteIsCut() {
    start();
    click("Text2");
    auto* field = widget<QLineEdit>("Text2");
    QApplication::clipboard()->setText(QString(5000, QChar('1')));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(field->text().size() <= 64);
    QCOMPARE(field->text(), QStringLiteral("10"));
  }

  // State: results shown. Action: Reset clicked.
  // Expected: fields and boundary values empty, output frame hidden, Reset and Excel disabled,
  // the focus in the pressure field.
  void resetWipesInputsAndResults() {
    start();
    typeTheRoad('.');
    click("Command1");
    QVERIFY(widget("Frame2")->isVisible());
    click("Command2");
    for (const char* name : {"Text2", "Text3", "Text4", "Label12", "Label19", "Label21"})
      QCOMPARE(text(name), QString());
    QVERIFY(!widget("Frame2")->isVisible());
    QVERIFY(!widget("Command2")->isEnabled());
    QVERIFY(!widget("Command3")->isEnabled());
    QCOMPARE(focusName(), QStringLiteral("Text2"));
    QVERIFY(s_->watchdog.boxes().empty());
  }

  // State: the selector focused. Action: the fourth entry picked with the keyboard.
  // Expected: the first field is relabelled for an absolute humidity.
  void pickingAPairRelabelsTheFields() {
    start();
    for (int i = 0; i < 3; ++i) QTest::keyClick(widget("Combo1"), Qt::Key_Down);
    QCOMPARE(widget<QComboBox>("Combo1")->currentIndex(), 3);
    QCOMPARE(text("Label7"), QStringLiteral("Absolute humidity [-] "));
    QCOMPARE(text("Label8"), QStringLiteral("Enthalpy [kJ/kg] "));
  }

  // State: started. Action: the model asks for the busy pointer and panel, and a repaint now.
  // Expected: both show at once, before control returns to the event loop; both go again.
  void repaintShowsTheBusyStateAtOnce() {
    start();
    s_->model.busyPointer = true;
    s_->model["Frame4"].visible = true;
    s_->platform.repaint();
    QVERIFY(widget("Frame4")->isVisible());
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    s_->model.busyPointer = false;
    s_->model["Frame4"].visible = false;
    s_->window.render();
    QVERIFY(!widget("Frame4")->isVisible());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  // State: two other windows opened by the program, one of them hidden. Action: the main window closed.
  // Expected: both unloaded, the last opened first, before the placement is written.
  void closingUnloadsOtherWindowsFirst() {
    start();
    QStringList log;
    SideWindow first("first", log);
    SideWindow second("second", log);
    first.show();
    s_->window.adoptWindow(&first);
    s_->window.adoptWindow(&second);
    QVERIFY(s_->window.close());
    QCOMPARE(log, (QStringList{"second before settings", "first before settings"}));
    QVERIFY(QSettings("Vaporel", "Vaporel").contains("Settings/MainLeft"));
  }

  // State: the reference document beside the program; a viewer that opens it or fails.
  // Action: "Properties" chosen. Expected: a failing viewer is reported in an "Error" box
  // and the program keeps running; a working one shows no box.
  void propertiesReportsAFailingViewer_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("boxes");
    QTest::newRow("viewer opens the document") << "true" << 0;
    QTest::newRow("viewer fails") << "false" << 1;
  }
  void propertiesReportsAFailingViewer() {
    QFETCH(QString, opener);
    QFETCH(int, boxes);
    QVERIFY(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/For Soft.doc"));
    start('.', opener);
    s_->window.menuCommand("ie")->trigger();
    QCOMPARE(int(s_->watchdog.boxes().size()), boxes);
    if (boxes > 0) {
      QCOMPARE(s_->watchdog.boxes().front().title, QStringLiteral("Error"));
      QCOMPARE(s_->watchdog.boxes().front().icon, QMessageBox::Critical);
    }
    QVERIFY(s_->window.isVisible());
    QCOMPARE(s_->endRequests, 0);
  }

  // State: started, normal or minimized. Action: the window is closed.
  // Expected: the placement in twips written to [Settings], none when minimized.
  void closingWritesThePlacement_data() {
    QTest::addColumn<bool>("minimized");
    QTest::newRow("normal") << false;
    QTest::newRow("minimized") << true;
  }
  void closingWritesThePlacement() {
    QFETCH(bool, minimized);
    start();
    if (minimized) s_->window.showMinimized();
    const QRect frame = s_->window.frameGeometry();
    QVERIFY(s_->window.close());

    QSettings settings("Vaporel", "Vaporel");
    settings.beginGroup("Settings");
    if (minimized) {
      QVERIFY(settings.allKeys().isEmpty());
      return;
    }
    QCOMPARE(settings.value("MainLeft").toString(), QString::number(frame.x() * 15));
    QCOMPARE(settings.value("MainTop").toString(), QString::number(frame.y() * 15));
    QCOMPARE(settings.value("MainWidth").toString(), QString::number(frame.width() * 15));
    QVERIFY(frame.width() >= 896);
    QCOMPARE(settings.value("MainHeight").toString(), QString::number(frame.height() * 15));
    QVERIFY(frame.height() > 563);  // the menu bar stands above the client area
  }

  // State: a refused value in the pressure field. Action: the window is closed.
  // Expected: closing never waits on the field check: no box, settings written.
  void closingBypassesTheFieldCheck() {
    start();
    click("Text2");
    type("Text2", "0.05");
    QVERIFY(s_->window.close());
    QVERIFY(s_->watchdog.boxes().empty());
    QVERIFY(QSettings("Vaporel", "Vaporel").contains("Settings/MainLeft"));
  }

  // State: started, a refused value in the pressure field. Action: "Exit" chosen.
  // Expected: the program is asked to end at once, without a check and without settings.
  void exitEndsWithoutWritingSettings() {
    start();
    click("Text2");
    type("Text2", "0.05");
    s_->window.menuCommand("exit")->trigger();
    QCOMPARE(s_->endRequests, 1);
    QVERIFY(s_->watchdog.boxes().empty());
    QVERIFY(QSettings("Vaporel", "Vaporel").allKeys().isEmpty());
  }
};

int runTests(int argc, char** argv) {
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
