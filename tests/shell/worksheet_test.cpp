// The chart window's worksheet as a user works it: states calculated in the main window and
// pinned, mixed, cooled on a coil and reheated, an air flow set, each step undone and redone;
// the loads held to vaporel-calc on the saved file; the file reopened; a damaged file refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "calculation/formulation_state.hpp"
#include "calculation/resolve_state.hpp"
#include "shell/chart_window.hpp"
#include "shell/main_window.hpp"
#include "shell/modal_watchdog.hpp"
#include "shell/process_dialog.hpp"
#include "shell/qt_platform.hpp"
#include "shell/worksheet_services.hpp"
#include "window/main_window_logic.hpp"

using namespace vaporel;

namespace {

struct Session {
  Session() : logic(model, platform, Numbers('.')), window(logic, Twips(1.0)) {
    platform.attach(&window, [this] { window.render(); });
    window.start();
  }
  // A state calculated in the main window by pair 1 at standard pressure.
  void calculate(const char* tdb, const char* RH) {
    for (const auto& [name, text] : {std::pair{"Text2", "1.01325"}, {"Text3", tdb}, {"Text4", RH}}) {
      auto* field = qobject_cast<QLineEdit*>(window.control(name));
      QTest::mouseClick(field, Qt::LeftButton);
      field->selectAll();
      QTest::keyClicks(field, text);
      QTest::keyClick(field, Qt::Key_Tab);
    }
    QTest::mouseClick(window.control("Command1"), Qt::LeftButton);
  }

  vaporel::testing::ModalWatchdog watchdog;
  MainWindowModel model;
  QtPlatform platform;
  MainWindowLogic logic;
  MainWindow window;
};

std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  for (char buffer[4096]; pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe);) out += buffer;
  if (pipe != nullptr) pclose(pipe);
  return out;
}

}  // namespace

TEST(WorksheetSession, BuildUndoSaveReopen) {
  QSettings("Vaporel", "Vaporel").clear();
  Session s;
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("ahu.toml"));
  std::optional<ProcessInput> next;
  WorksheetServices fake;
  fake.editProcess = [&](QWidget*, const ProcessRequest& request) {
    EXPECT_EQ(request.check(*next), std::nullopt);  // the dialog's verdict before OK
    return next;
  };
  fake.editAirFlow = [](QWidget*, const std::vector<std::string>&, const std::optional<AirFlowInput>&, UnitSystem) {
    return std::optional(AirFlowInput{"S", 10000.0, std::nullopt, {}});
  };
  fake.chooseProjectTarget = [&](QWidget*, const QString&) { return std::optional(file); };

  s.calculate("32", "40");
  s.window.openChart();
  ChartWindow* chart = s.window.chartWindow();
  chart->setWorksheetServices(fake);
  chart->addState();
  s.calculate("24", "50");
  // By the keyboard, as a user adds a state: Ctrl+D in the chart window.
  chart->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(chart));
  QTest::keyClick(chart, Qt::Key_D, Qt::ControlModifier);
  ASSERT_EQ(chart->worksheet().solved().states.size(), 2u);
  next = ProcessInput{MixFigures{{"A", "B"}, {0.3, 0.7}, {}, {}}, "M", {}, {}};
  chart->addProcess(ProcessKind::Mix);
  next = ProcessInput{CoilFigures{"M", 10.0, 0.1, {}, {}, {}}, "C", {}, {}};
  chart->addProcess(ProcessKind::Coil);
  next = ProcessInput{HeatFigures{"C", 16.0, {}}, "S", {}, {}};
  chart->addProcess(ProcessKind::Heat);
  chart->setAirFlow();
  ASSERT_TRUE(s.watchdog.boxes().empty()) << s.watchdog.boxes().front().text.toStdString();
  chart->resize(1100, 950);
  chart->grab().save(QStringLiteral(VAPOREL_ARTIFACT_DIR "/shell-worksheet.png"), "PNG");  // for a person to look at
  EXPECT_EQ(chart->tables()->states()->rowCount(), 5);
  EXPECT_EQ(chart->tables()->processes()->item(1, 4)->text().toStdString(),
            chart->worksheet().processesTable(Numbers('.')).rows[1][4]);
  EXPECT_TRUE(chart->windowTitle().endsWith(" *"));

  // Each step undone takes one thing away; redone, all come back.
  const std::string built = chart->worksheet().tablesText(Numbers('.'));
  const std::vector<std::pair<std::size_t, std::size_t>> counts = {{5, 3}, {5, 3}, {4, 2}, {3, 1}, {2, 0}, {1, 0}};
  for (const auto& [states, processes] : counts) {
    EXPECT_EQ(chart->worksheet().solved().states.size(), states);
    EXPECT_EQ(chart->worksheet().solved().processes.size(), processes);
    chart->undoStack()->undo();
  }
  EXPECT_TRUE(chart->worksheet().solved().states.empty());
  QTest::keyClick(chart, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo, by the keyboard
  EXPECT_EQ(chart->worksheet().solved().states.size(), 1u);
  while (chart->undoStack()->canRedo()) chart->undoStack()->redo();
  EXPECT_EQ(chart->worksheet().tablesText(Numbers('.')), built);

  // Hovering a state names it with its figures; closing with unsaved changes asks first.
  const auto& a = chart->worksheet().solved().states.front().state;
  chart->canvas()->grab();
  EXPECT_TRUE(chart->canvas()->textAt(*chart->canvas()->canvasPointOf({a.tdb, a.x})).startsWith("A:   tdb 32.00 oC"));
  int asked = 0;
  fake.askUnsaved = [&asked](QWidget*) {
    ++asked;
    return UnsavedAnswer::Cancel;
  };
  chart->setWorksheetServices(fake);
  EXPECT_FALSE(chart->close());
  EXPECT_EQ(asked, 1);
  ASSERT_TRUE(chart->saveProjectAs());
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("Psychrometric chart - ahu.toml"));
  const auto json =
      nlohmann::json::parse(Output(std::string("'" VAPOREL_CALC "' --project '") + file.toStdString() + "' --json"));
  const auto& solved = chart->worksheet().solved();
  ASSERT_EQ(json["processes"].size(), solved.processes.size());
  for (std::size_t i = 0; i < solved.processes.size(); ++i) {
    EXPECT_EQ(json["processes"][i]["total"].template get<double>(), solved.processes[i].loads.total) << i;
    EXPECT_EQ(json["processes"][i]["mass_flow"].template get<double>(), *solved.processes[i].loads.massFlow) << i;
  }
  chart->copyTables();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), built);

  // A damaged file leaves the worksheet as it was; the saved one reopens to the same tables.
  const QString damaged = folder.filePath(QStringLiteral("damaged.toml"));
  std::ofstream(damaged.toStdString()) << "pressure = 1.01325\n[states.A]\ntdb = \n";
  EXPECT_FALSE(chart->openProjectFile(damaged));
  ASSERT_EQ(s.watchdog.boxes().size(), 1u);
  EXPECT_TRUE(s.watchdog.boxes()[0].text.startsWith(damaged + ":3:")) << s.watchdog.boxes()[0].text.toStdString();
  EXPECT_EQ(chart->worksheet().tablesText(Numbers('.')), built);
  EXPECT_TRUE(chart->close());
  ChartWindow reopened(s.model, Numbers('.'), {nullptr, nullptr});
  ASSERT_TRUE(reopened.openProjectFile(file));
  EXPECT_EQ(reopened.worksheet().tablesText(Numbers('.')), built);
  EXPECT_EQ(reopened.tables()->states()->item(4, 0)->text(), QStringLiteral("S"));
  QSettings("Vaporel", "Vaporel").clear();
}

// The dialog says what is wrong in the project file's words and stays open until it is right.
TEST(ProcessDialogTest, ChecksAsTheFileDoes) {
  Worksheet sheet;
  ASSERT_EQ(sheet.pin(std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, 1.01325, 30, 40))), std::nullopt);
  ProcessRequest request{ProcessKind::Coil, {"A"}, "P1", std::nullopt, UnitSystem::SI, {}};
  request.check = [&sheet](const ProcessInput& p) {
    Worksheet trial = sheet;
    return trial.addProcess(p);
  };
  ProcessDialog dialog(nullptr, request, Numbers(','));
  dialog.field("adp")->setText("10");
  dialog.field("bypass")->setText("1,5");
  dialog.accept();
  EXPECT_EQ(dialog.problem()->text(), QStringLiteral("\"bypass\" must lie in [0, 1)"));
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  // The other way's fields are hidden and not read, until that way is chosen.
  dialog.field("x")->setText("a");
  dialog.accept();
  EXPECT_EQ(dialog.problem()->text(), QStringLiteral("\"bypass\" must lie in [0, 1)"));
  dialog.findChild<QComboBox*>("way")->setCurrentIndex(1);
  EXPECT_TRUE(dialog.field("adp")->isHidden());
  dialog.accept();
  EXPECT_EQ(dialog.problem()->text(), QStringLiteral("\"x\" must be a number"));
  dialog.findChild<QComboBox*>("way")->setCurrentIndex(0);
  dialog.field("bypass")->setText("0,1");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto input = std::get<ProcessInput>(dialog.input());
  EXPECT_EQ(std::get<CoilFigures>(input.figures).bypass, 0.1);
  EXPECT_EQ(input.into, "P1");
}

// The chain built in the dialogs: the supply air for the office's loads, outdoor air by
// volume with return air for the rest, a coil to the supply's moisture picked from the state's
// menu, and a reheat that ends on the supply.
TEST(ProcessDialogTest, DesignsFromTheRoom) {
  Worksheet sheet;
  for (const auto& [tdb, RH] : {std::pair{32.0, 40.0}, {24.0, 50.0}}) {
    ASSERT_EQ(sheet.pin(std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, 1.01325, tdb, RH))), std::nullopt);
  }
  const auto names = [&sheet] {
    std::vector<std::string> out;
    for (const SolvedState& s : sheet.solved().states) out.push_back(s.name);
    return out;
  };
  const auto add = [&](ProcessKind kind, const std::string& into, const auto& fill,
                       std::optional<std::size_t> edited = std::nullopt) {
    ProcessRequest request{kind, names(), into, std::nullopt, UnitSystem::SI, {}};
    if (edited) request.existing = sheet.project().processes[*edited];
    request.check = [&sheet, edited](const ProcessInput& p) {
      return edited ? sheet.replaceProcess(*edited, p) : sheet.addProcess(p);
    };
    ProcessDialog dialog(nullptr, request, Numbers('.'));
    fill(dialog);
    dialog.accept();
    EXPECT_EQ(dialog.problem()->text().toStdString(), "") << into;
  };
  add(ProcessKind::Space, "supply", [](ProcessDialog& d) {
    d.fromBox()->setCurrentText("B");
    d.field("sensible")->setText("18");
    d.field("latent")->setText("4.5");
    d.field("supply_tdb")->setText("14");
  });
  add(ProcessKind::Mix, "mixed", [](ProcessDialog& d) {
    d.field("A")->setText("0.4");
    d.field("B")->setText("0.6");
  });
  add(ProcessKind::Coil, "off-coil", [](ProcessDialog& d) {
    d.fromBox()->setCurrentText("mixed");
    d.findChild<QComboBox*>("way")->setCurrentIndex(1);
    QMenu* states = d.findChild<QToolButton*>("xFromState")->menu();
    for (QAction* state : states->actions()) {
      if (state->text() == "supply") state->menu()->actions().front()->trigger();
    }
    d.field("RH")->setText("95");
  });
  add(ProcessKind::Heat, "supply", [](ProcessDialog& d) { d.fromBox()->setCurrentText("off-coil"); });
  // Once the chain reaches the supply, the mix takes its outdoor air by volume, the rest return air.
  add(
      ProcessKind::Mix, "mixed",
      [](ProcessDialog& d) {
        d.findChild<QComboBox*>("mixBy")->setCurrentIndex(1);
        d.field("A")->setText("2000");
        d.field("B")->clear();
        d.findChild<QComboBox*>("rest")->setCurrentText("B");
      },
      1);
  ASSERT_EQ(sheet.project().processes.size(), 4u);
  EXPECT_EQ(sheet.project().processes[2].references.front().state, "supply");
  const auto& mix = std::get<MixFigures>(sheet.project().processes[1].figures);
  EXPECT_EQ(mix.from, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(mix.flows, std::vector<double>{2000});
  EXPECT_EQ(sheet.solved().states.size(), 5u);
}

namespace {

// The summer example written to `file` to be edited there; its text.
std::string SummerProjectAt(const QString& file) {
  std::ostringstream text;
  text << std::ifstream(VAPOREL_EXAMPLES "/summer-ahu.toml", std::ios::binary).rdbuf();
  std::ofstream(file.toStdString(), std::ios::binary) << text.str();
  return text.str();
}

}  // namespace

// A commented project opened, its air flow changed in the real dialog by the keyboard and
// saved by Ctrl+S: the file differs from the original in that one line, comment kept.
TEST(WorksheetSession, SavingChangesOnlyTheEditedLine) {
  QSettings("Vaporel", "Vaporel").clear();
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("summer.vaporel.toml"));
  const std::string original = SummerProjectAt(file);

  vaporel::testing::ModalWatchdog watchdog([](QWidget* modal) {
    if (modal->windowTitle() != QStringLiteral("Air flow")) return false;
    auto* amount = modal->findChild<QLineEdit*>();
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, "12500");
    QTest::keyClick(amount, Qt::Key_Return);
    return true;
  });
  MainWindowModel model;
  const Numbers numbers('.');
  ChartWindow chart(model, numbers, {nullptr, nullptr});
  chart.setWorksheetServices(DesktopWorksheetServices(numbers));
  ASSERT_TRUE(chart.openProjectFile(file));
  chart.show();
  chart.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
  QTest::keyClick(&chart, Qt::Key_F, Qt::ControlModifier);
  ASSERT_EQ(chart.worksheet().project().airflow->volume, 12500.0);
  chart.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
  QTest::keyClick(&chart, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(chart.windowTitle().endsWith(" *"));

  std::ostringstream saved;
  saved << std::ifstream(file.toStdString(), std::ios::binary).rdbuf();
  std::string expected = original;
  const std::string line = "volume = 10000.0              # m3/h of supply air";
  ASSERT_NE(expected.find(line), std::string::npos);
  expected.replace(expected.find(line), line.size(), "volume = 12500.0              # m3/h of supply air");
  EXPECT_EQ(saved.str(), expected);
  EXPECT_TRUE(watchdog.boxes().empty());
  QSettings("Vaporel", "Vaporel").clear();
}

namespace {

// Where the chart window's canvas draws a state, once drawn as on the screen.
QPointF DrawnAt(ChartWindow& chart, ChartPoint point) {
  chart.canvas()->grab();
  return *chart.canvas()->canvasPointOf(point);
}

double Span(const ChartView& view) { return view.tMax - view.tMin; }

}  // namespace

// The chart zooms by the wheel about the cursor, pans by a drag and fits the worksheet by
// Ctrl+0, through real events on the window; an IP project opens in IP, its tables in its units,
// its zones drawn and listed. Each fitted window is saved for a person to look at.
TEST(ChartWindowView, ZoomsPansAndFits) {
  QSettings("Vaporel", "Vaporel").clear();
  QTemporaryDir folder;
  const QString tenBar = folder.filePath("ten-bar.vaporel.toml");
  std::ofstream(tenBar.toStdString())
      << "units = \"ip\"\npressure = 145.0377\n[states.outdoor]\ntdb = 95.0\nRH = 40.0\n"
         "[states.room]\ntdb = 75.0\nRH = 50.0\n[[processes]]\nmix = [\"outdoor\", "
         "\"room\"]\nfractions = [0.3, 0.7]\ninto = \"mixed\"\n[[processes]]\ncoil = "
         "\"mixed\"\nadp = 35.0\nbypass = 0.1\ninto = \"cold\"\n";
  MainWindowModel model;
  ChartWindow chart(model, Numbers('.'), {nullptr, nullptr});
  chart.resize(1000, 900);
  chart.show();
  const std::pair<QString, std::string> projects[] = {{VAPOREL_EXAMPLES "/summer-ahu.toml", "si-1bar"},
                                                      {VAPOREL_EXAMPLES "/datacenter-ip.toml", "ip-1bar"},
                                                      {tenBar, "ip-10bar"},
                                                      {VAPOREL_EXAMPLES "/office-design.toml", "si-design"}};
  for (const auto& [file, name] : projects) {
    ASSERT_TRUE(chart.openProjectFile(file)) << name;
    EXPECT_EQ(chart.units(), chart.worksheet().project().units) << name;
    const SolvedState& first = chart.worksheet().solved().states.front();
    const ChartPoint point{first.state.tdb, first.state.x};
    const ChartView standard = chart.geometry().view;
    // One notch of the wheel over the state zooms in about it: the state stays under the cursor.
    const QPointF at = DrawnAt(chart, point);
    QWheelEvent wheel(at, chart.canvas()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart.canvas(), &wheel);
    EXPECT_NEAR(Span(chart.geometry().view), 0.8 * Span(standard), 1e-9) << name;
    EXPECT_LT(QLineF(DrawnAt(chart, point), at).length(), 1.5) << name;
    // A drag carries the state with the cursor.
    QTest::mousePress(chart.canvas(), Qt::LeftButton, {}, at.toPoint());
    const QPointF to = at + QPointF(120, 40);
    QMouseEvent move(QEvent::MouseMove, to, chart.canvas()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(chart.canvas(), &move);
    QTest::mouseRelease(chart.canvas(), Qt::LeftButton, {}, to.toPoint());
    EXPECT_LT(QLineF(DrawnAt(chart, point), to).length(), 1.5) << name;
    // Ctrl+0 fits every state, closer than the standard view.
    chart.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    QTest::keyClick(&chart, Qt::Key_0, Qt::ControlModifier);
    const ChartView fitted = chart.geometry().view;
    for (const SolvedState& s : chart.worksheet().solved().states) {
      EXPECT_TRUE(s.state.tdb > fitted.tMin && s.state.tdb < fitted.tMax && s.state.x > fitted.xMin &&
                  s.state.x < fitted.xMax)
          << name << " " << s.name;
    }
    EXPECT_LT(Span(fitted), Span(standard)) << name;
    chart.grab().save(QString::fromStdString(VAPOREL_ARTIFACT_DIR "/shell-chart-fitted-" + name + ".png"), "PNG");
  }
  // "Standard view" returns to the view that holds the project on round values.
  for (QAction* action : chart.menus()->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("&Standard view")) action->trigger();
  }
  EXPECT_EQ(chart.geometry().view.tMin, -10);
  EXPECT_EQ(chart.geometry().view.tMax, 50);
  // The IP project's tables are in its units, its zones listed.
  ASSERT_TRUE(chart.openProjectFile(VAPOREL_EXAMPLES "/datacenter-ip.toml"));
  const TextTable states = chart.worksheet().statesTable(Numbers('.'), chart.units());
  EXPECT_EQ(states.header[2], "tdb [oF]");
  EXPECT_EQ(states.header.back(), "in zones");
  EXPECT_EQ(chart.geometry().zones.size(), 2u);
  // Shown in SI, the file is saved in its own units.
  chart.setUnits(UnitSystem::SI);
  EXPECT_EQ(chart.worksheet().statesTable(Numbers('.'), chart.units()).header[2], "tdb [oC]");
  EXPECT_EQ(chart.worksheet().project().units, UnitSystem::IP);
  QSettings("Vaporel", "Vaporel").clear();
}

// "Open weather file…" lays Chicago's year under an IP project: its hours per cell under the
// states, each of the project's zones with its hours inside (609 in the recommended envelope, as
// tests/tools/check_weather_zone.py recounts them from the file's own columns) in the table and
// the legend; a file that is no weather file is refused and changes nothing; closing takes it
// away. The window is saved for a person to look at.
TEST(ChartWindowView, AYearOfWeatherUnderTheWorksheet) {
  QSettings("Vaporel", "Vaporel").clear();
  vaporel::testing::ModalWatchdog watchdog;
  MainWindowModel model;
  ChartWindow chart(model, Numbers('.'), {nullptr, nullptr});
  QString chosen = QStringLiteral(VAPOREL_CHICAGO);
  WorksheetServices fake;
  fake.chooseWeather = [&](QWidget*, const QString&) { return std::optional(chosen); };
  chart.setWorksheetServices(fake);
  chart.resize(1000, 900);
  chart.show();
  ASSERT_TRUE(chart.openProjectFile(VAPOREL_EXAMPLES "/datacenter-ip.toml"));
  const auto trigger = [&](const QString& text) {
    for (QAction* action : chart.menus()->findChildren<QAction*>()) {
      if (action->text() == text) action->trigger();
    }
  };
  trigger(QStringLiteral("Open &weather file…"));
  ASSERT_TRUE(chart.weather().has_value());
  long hours = 0;
  for (const DensityCell& cell : chart.geometry().stateCells.cells) hours += cell.count;
  EXPECT_EQ(hours, 8760);
  QTableWidget* table = chart.tables()->weather();
  EXPECT_TRUE(table->isVisibleTo(&chart));
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("datacenter-recommended"));
  EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("609"));
  ASSERT_EQ(chart.geometry().zones.size(), 2u);
  EXPECT_EQ(chart.geometry().zones[0].count, 609);
  EXPECT_EQ(chart.geometry().zones[1].count, table->item(1, 1)->text().toInt());
  EXPECT_TRUE(chart.tables()->weatherCaption()->text().contains("8760 hours, 8760 accepted, 0 refused"));
  chart.grab().save(QStringLiteral(VAPOREL_ARTIFACT_DIR "/shell-chart-weather.png"), "PNG");

  chosen = QStringLiteral(VAPOREL_EXAMPLES "/summer-ahu.toml");
  trigger(QStringLiteral("Open &weather file…"));
  ASSERT_EQ(watchdog.boxes().size(), 1u);
  EXPECT_TRUE(watchdog.boxes()[0].text.startsWith(QStringLiteral("summer-ahu.toml: line 1: ")))
      << watchdog.boxes()[0].text.toStdString();
  EXPECT_EQ(chart.weather()->file, "chicago.epw");

  trigger(QStringLiteral("&Close weather file"));
  EXPECT_FALSE(chart.weather().has_value());
  EXPECT_TRUE(chart.geometry().stateCells.cells.empty());
  EXPECT_FALSE(table->isVisibleTo(&chart));
  QSettings("Vaporel", "Vaporel").clear();
}

// The chart window's formulation box resolves the worksheet again in the Handbook's equations
// (the chart's title names them, the main window's live state is left off), undo takes it back,
// and the saved file says so in one added line.
TEST(ChartWindowView, TheWorksheetInTheHandbooksFormulation) {
  QSettings("Vaporel", "Vaporel").clear();
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("summer.vaporel.toml"));
  const std::string original = SummerProjectAt(file);
  MainWindowModel model;
  ChartWindow chart(model, Numbers('.'), {nullptr, nullptr});
  ASSERT_TRUE(chart.openProjectFile(file));
  ASSERT_TRUE(chart.openWeatherFile(QStringLiteral(VAPOREL_CHICAGO)));
  const double designMcwb = *chart.weather()->summary.computed.coolingMcwb04;
  const double designTwb = chart.worksheet().solved().states.front().state.twb;
  auto* box = chart.findChild<QComboBox*>(QStringLiteral("Formulation"));
  ASSERT_NE(box, nullptr);
  box->setCurrentIndex(1);
  EXPECT_EQ(chart.worksheet().project().formulation, FormulationId::Ashrae);
  const AirState& outdoor = chart.worksheet().solved().states.front().state;  // 32 oC, 40 %
  const Resolution handbook =
      ResolveIn(AshraeFormulation(), outdoor.p, {Property::Tdb, outdoor.tdb}, {Property::X, outdoor.x});
  EXPECT_NEAR(outdoor.twb, std::get<AirState>(handbook).twb, 1e-9);
  EXPECT_GT(std::abs(outdoor.twb - designTwb), 0.01);
  EXPECT_EQ(chart.geometry().formulation, "ashrae");
  // The year laid under it is resolved again in it: its wet bulbs are thermodynamic ones.
  EXPECT_EQ(chart.weather()->formulation, FormulationId::Ashrae);
  EXPECT_NE(*chart.weather()->summary.computed.coolingMcwb04, designMcwb);
  chart.undoStack()->undo();
  EXPECT_EQ(box->currentIndex(), 0);
  EXPECT_EQ(chart.worksheet().solved().states.front().state.twb, designTwb);
  chart.undoStack()->redo();
  ASSERT_TRUE(chart.saveProject());
  std::ostringstream saved;
  saved << std::ifstream(file.toStdString(), std::ios::binary).rdbuf();
  EXPECT_NE(saved.str().find("formulation = \"ashrae\"\n"), std::string::npos);
  EXPECT_EQ(saved.str().size(), original.size() + std::string("formulation = \"ashrae\"\n").size());
  QSettings("Vaporel", "Vaporel").clear();
}
