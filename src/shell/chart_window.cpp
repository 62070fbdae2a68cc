#include "shell/chart_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "chart/geometry/project_chart.hpp"
#include "chart/geometry/weather_chart.hpp"
#include "chart/render/chart_file.hpp"
#include "project/project_figures.hpp"
#include "project/project_keys.hpp"
#include "project/project_units.hpp"
#include "shell/command_guard.hpp"
#include "shell/error_box.hpp"
#include "shell/return_key_button.hpp"

namespace vaporel {
namespace {

constexpr std::array<ChartStyle, 2> kStyles = {ChartStyle::Psychrometric, ChartStyle::Mollier};
constexpr int kInitialWidth = 1000, kInitialHeight = 900;
constexpr std::array<UnitSystem, 2> kUnits = {UnitSystem::SI, UnitSystem::IP};
constexpr std::array<FormulationId, 2> kFormulations = {FormulationId::Design, FormulationId::Ashrae};

UnitSystem RememberedUnits() {
  QSettings settings;
  const QString name = settings.value(QStringLiteral("Chart/Units"), QStringLiteral("si")).toString();
  return UnitSystemNamed(name.toStdString()).value_or(UnitSystem::SI);
}

// Every state of the worksheet where the chart draws it.
std::vector<ChartPoint> StatePoints(const SolvedProject& solved) {
  std::vector<ChartPoint> points;
  for (const SolvedState& s : solved.states) points.push_back({s.state.tdb, s.state.x});
  return points;
}

}  // namespace

ChartWindow::ChartWindow(const MainWindowModel& model, const Numbers& numbers, ReportWindowServices services,
                         WorksheetServices worksheetServices)
    : QWidget(nullptr, Qt::Window),
      model_(model),
      numbers_(numbers),
      services_(std::move(services)),
      worksheetServices_(std::move(worksheetServices)) {
  setObjectName(QStringLiteral("Chart"));
  setWindowTitle(QString::fromUtf8(kChartWindowTitle));
  setAttribute(Qt::WA_DeleteOnClose, false);

  styleBox_ = new QComboBox(this);
  for (const char* name : kChartStyleNames) styleBox_->addItem(QString::fromUtf8(name));
  unitsBox_ = new QComboBox(this);
  unitsBox_->setObjectName(QStringLiteral("Units"));
  unitsBox_->addItem(QStringLiteral("SI (oC, bar, kJ/kg)"));
  unitsBox_->addItem(QStringLiteral("IP (oF, psia, Btu/lb)"));
  formulationBox_ = new QComboBox(this);
  formulationBox_->setObjectName(QStringLiteral("Formulation"));
  formulationBox_->setToolTip(QStringLiteral("The relations the worksheet's states are resolved with"));
  formulationBox_->addItem(QStringLiteral("Program's own (design)"));
  formulationBox_->addItem(QStringLiteral("ASHRAE Handbook (ashrae)"));
  auto* save = new ReturnKeyButton(QString::fromUtf8(kChartSaveButton), this);
  auto* print = new ReturnKeyButton(QStringLiteral("Print"), this);
  save->setObjectName(QStringLiteral("SaveAs"));
  print->setObjectName(QStringLiteral("Print"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Status"));
  canvas_ = new ChartCanvas(this, status_, numbers_);
  canvas_->onViewAsked = [this](const ChartView& view) { setView(view); };
  tables_ = new WorksheetTables(this);
  undo_ = std::make_unique<WorksheetUndo>(this, [this](const Worksheet& sheet) { showWorksheet(sheet); });
  commands_ = std::make_unique<WorksheetCommands>(
      this, *undo_, tables_, worksheetServices_, numbers_, [this] { return subject_.state; },
      [this] { return units_; });
  files_ = std::make_unique<ProjectFiles>(
      this, *undo_, worksheetServices_,
      [this](const Project& project) {
        view_.reset();  // a project opens in the standard view, in its own units
        setUnits(project.units);
      },
      [this] { setWindowTitle(files_->title()); });
  tables_->onRename = [this](const std::string& from, const std::string& to) { commands_->renameState(from, to); };
  connect(undo_->stack(), &QUndoStack::cleanChanged, this, [this] { setWindowTitle(files_->title()); });

  auto* commands = new QHBoxLayout;
  commands->addWidget(styleBox_);
  commands->addWidget(unitsBox_);
  commands->addWidget(formulationBox_);
  commands->addStretch(1);
  commands->addWidget(save);
  commands->addWidget(print);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(canvas_);
  split->addWidget(tables_);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  buildMenus();
  layout->setMenuBar(menus_);
  layout->addLayout(commands);
  layout->addWidget(split, 1);
  layout->addWidget(status_);

  connect(styleBox_, &QComboBox::currentIndexChanged, this,
          [this](int index) { RunCommand([&] { setStyle(kStyles.at(static_cast<std::size_t>(index))); }); });
  connect(unitsBox_, &QComboBox::currentIndexChanged, this,
          [this](int index) { RunCommand([&] { setUnits(kUnits.at(static_cast<std::size_t>(index))); }); });
  connect(formulationBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    RunCommand([&] { setFormulation(kFormulations.at(static_cast<std::size_t>(index))); });
  });
  connect(save, &QPushButton::clicked, this, Command([this] { saveAs(); }));
  connect(print, &QPushButton::clicked, this, Command([this] { this->print(); }));
  resize(kInitialWidth, kInitialHeight);
  subject_ = ChartSubjectOf(model_, numbers_);
  units_ = RememberedUnits();
  unitsBox_->setCurrentIndex(units_ == UnitSystem::IP ? 1 : 0);
  rebuild();
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::setWorksheetServices(WorksheetServices services) { worksheetServices_ = std::move(services); }

void ChartWindow::follow() {
  const ChartSubject now = ChartSubjectOf(model_, numbers_);
  if (now == subject_) return;
  subject_ = now;
  rebuild();
}

void ChartWindow::showWorksheet(const Worksheet& sheet) {
  tables_->display(sheet, numbers_, units_);
  {
    const QSignalBlocker quiet(formulationBox_);
    formulationBox_->setCurrentIndex(sheet.project().formulation == FormulationId::Ashrae ? 1 : 0);
  }
  if (weather_ && weather_->formulation != sheet.project().formulation) {
    // The year resolved again in the worksheet's formulation; a file gone takes the layer away.
    if (!openWeatherFile(weatherPath_, true)) {
      weather_.reset();
      tables_->displayWeather(nullptr);
    }
  } else if (weather_) {
    CountInZones(*weather_, InSi(sheet.project()).zones);
    tables_->displayWeather(&*weather_);
  }
  rebuild();
  setWindowTitle(files_->title());
}

void ChartWindow::rebuild() {
  std::vector<ChartPoint> points;
  const SolvedProject& solved = worksheet().solved();
  const bool sheet = !solved.states.empty();
  // The live state is drawn with the worksheet only at the worksheet's pressure and in its
  // formulation (the main window's is the program's own).
  if (subject_.state &&
      (!sheet || (subject_.state->p == solved.pressure && solved.formulation == FormulationId::Design))) {
    points.push_back({subject_.state->tdb, subject_.state->x});
  }
  const double p = sheet ? solved.pressure : subject_.p;
  std::optional<ChartView> view = view_;
  if (weather_ && !view) {
    // The standard view holds the year's hours too.
    std::vector<ChartPoint> all = HourPoints(weather_->drawing);
    for (const SolvedState& s : solved.states) all.push_back({s.state.tdb, s.state.x});
    all.insert(all.end(), points.begin(), points.end());
    view = ViewFor(p, all);
  }
  ChartGeometry geometry = sheet ? BuildProcessDrawingGeometry(DrawingOf(solved), units_, points, view)
                                 : BuildChartGeometry(p, points, units_, view);
  std::vector<int> inside;
  if (weather_) {
    AddWeather(geometry, weather_->drawing);
    for (const ZoneHours& z : weather_->summary.zones) inside.push_back(z.inside);
  }
  if (sheet) AddZones(geometry, InSi(worksheet().project()).zones, inside);
  // In a view the user moves, the plot keeps its size: the legend stays inside it.
  geometry.legendInside = view_.has_value();
  canvas_->draw(geometry, solved);
}

void ChartWindow::buildMenus() {
  menus_ = new QMenuBar(this);
  const auto add = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto run) {
    QAction* action = menu->addAction(text);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, Command(run));
    return action;
  };
  QMenu* file = menus_->addMenu(QStringLiteral("&Project"));
  add(file, QStringLiteral("&Open project…"), QKeySequence::Open, [this] { openProject(); });
  add(file, QStringLiteral("&Save project"), QKeySequence::Save, [this] { saveProject(); });
  add(file, QStringLiteral("Save project &as…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
      [this] { saveProjectAs(); });
  file->addSeparator();
  add(file, QStringLiteral("Open &weather file…"), QKeySequence(), [this] { openWeather(); });
  add(file, QStringLiteral("&Close weather file"), QKeySequence(), [this] { closeWeather(); });
  QMenu* editMenu = menus_->addMenu(QStringLiteral("&Edit"));
  QAction* undo = undo_->stack()->createUndoAction(this, QStringLiteral("&Undo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = undo_->stack()->createRedoAction(this, QStringLiteral("&Redo"));
  // Both habits, whatever the desktop's theme says.
  redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  editMenu->addAction(undo);
  editMenu->addAction(redo);
  editMenu->addSeparator();
  add(editMenu, QStringLiteral("&Copy tables"), QKeySequence::Copy, [this] { copyTables(); });
  add(editMenu, QStringLiteral("&Delete"), QKeySequence::Delete, [this] { removeSelected(); });
  QMenu* view = menus_->addMenu(QStringLiteral("&View"));
  add(view, QStringLiteral("&Fit to worksheet"), QKeySequence(QStringLiteral("Ctrl+0")), [this] { fitToWorksheet(); });
  add(view, QStringLiteral("&Standard view"), QKeySequence(), [this] { standardView(); });
  QMenu* states = menus_->addMenu(QStringLiteral("&Worksheet"));
  add(states, QStringLiteral("&Add state"), QKeySequence(QStringLiteral("Ctrl+D")), [this] { addState(); });
  states->addSeparator();
  for (const ProcessKind kind : kProcessKinds) {
    add(states, QString::fromUtf8(ProcessCaption(kind)) + QStringLiteral("…"), QKeySequence(),
        [this, kind] { addProcess(kind); });
  }
  add(states, QStringLiteral("&Edit process…"), QKeySequence(QStringLiteral("Ctrl+E")),
      [this] { editSelectedProcess(); });
  add(states, QStringLiteral("Air &flow…"), QKeySequence(QStringLiteral("Ctrl+F")), [this] { setAirFlow(); });
}

void ChartWindow::openWeather() {
  if (!worksheetServices_.chooseWeather) return;
  const QString folder = weather_ ? QString() : QSettings().value(QStringLiteral("Chart/WeatherFolder")).toString();
  if (const auto path = worksheetServices_.chooseWeather(this, folder)) openWeatherFile(*path);
}

bool ChartWindow::openWeatherFile(const QString& path, bool keepView) {
  // The whole file (a project's size limit is no weather file's: thirty years of hours are
  // tens of megabytes).
  QFile file(path);
  const std::string name = QFileInfo(path).fileName().toStdString();
  if (!file.open(QIODevice::ReadOnly)) {
    ShowError(this, QString::fromStdString(name + ": cannot be read (") + file.errorString() + QStringLiteral(")"));
    return false;
  }
  const QByteArray bytes = file.readAll();
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const SolvedProject& solved = worksheet().solved();
  const double p = solved.states.empty() ? subject_.p : solved.pressure;
  auto layer = MakeWeatherLayer(name, text, units_, p, InSi(worksheet().project()).zones,
                                FormulationOf(worksheet().project().formulation));
  if (const auto* problem = std::get_if<std::string>(&layer)) {
    ShowError(this, QString::fromStdString(*problem));
    return false;
  }
  QSettings().setValue(QStringLiteral("Chart/WeatherFolder"), QFileInfo(path).absolutePath());
  weather_ = std::get<WeatherLayer>(std::move(layer));
  weatherPath_ = path;
  if (!keepView) view_.reset();  // the standard view, which holds the year
  tables_->displayWeather(&*weather_);
  rebuild();
  return true;
}

void ChartWindow::closeWeather() {
  weather_.reset();
  tables_->displayWeather(nullptr);
  rebuild();
}

void ChartWindow::setFormulation(FormulationId formulation) {
  commands_->setFormulation(formulation);
  // A refused change leaves the worksheet, and so the box, as they were.
  const QSignalBlocker quiet(formulationBox_);
  formulationBox_->setCurrentIndex(worksheet().project().formulation == FormulationId::Ashrae ? 1 : 0);
}

void ChartWindow::setUnits(UnitSystem units) {
  const int index = units == UnitSystem::IP ? 1 : 0;
  if (unitsBox_->currentIndex() != index) unitsBox_->setCurrentIndex(index);
  QSettings().setValue(QStringLiteral("Chart/Units"), QString::fromUtf8(UnitSystemName(units).data()));
  if (units_ == units) return;
  units_ = units;
  showWorksheet(worksheet());
}

void ChartWindow::setView(const ChartView& view) {
  view_ = view;
  rebuild();
}

void ChartWindow::fitToWorksheet() {
  const SolvedProject& solved = worksheet().solved();
  std::vector<ChartPoint> points = StatePoints(solved);
  if (subject_.state) points.push_back({subject_.state->tdb, subject_.state->x});
  const double p = solved.states.empty() ? subject_.p : solved.pressure;
  if (points.empty()) return standardView();
  setView(FitView(p, points));
}

void ChartWindow::standardView() {
  view_.reset();
  rebuild();
}

void ChartWindow::present() {
  if (!placed_) restorePlacement();
  placed_ = true;
  show();
  raise();
  activateWindow();
}

void ChartWindow::setStyle(ChartStyle style) {
  const auto index = static_cast<int>(std::find(kStyles.begin(), kStyles.end(), style) - kStyles.begin());
  if (styleBox_->currentIndex() != index) styleBox_->setCurrentIndex(index);
  canvas_->setStyle(style);
}

void ChartWindow::saveAs() {
  if (!services_.chooseSaveFile) return;
  const SaveDialogRequest request{QString::fromUtf8(kChartSaveTitle), DesktopFolder(),
                                  QString::fromUtf8(kChartSaveFileName), QString::fromUtf8(kChartSaveFilter),
                                  QStringLiteral("png")};
  const std::optional<QString> target = services_.chooseSaveFile(this, request);
  if (!target || target->isEmpty()) return;
  if (const auto failure = WriteChartFile(target->toStdString(), geometry(), style(), numbers_)) {
    ShowError(this, QString::fromUtf8(kChartSaveFailed) + QString::fromStdString(*failure));
  }
}

void ChartWindow::print() {
  std::unique_ptr<QPrinter> printer = services_.printer ? services_.printer() : nullptr;
  if (!printer) {
    ShowError(this, QString::fromUtf8(kChartNoPrinterMessage));
    return;
  }
  printer->setPageOrientation(QPageLayout::Landscape);
  printer->setFromTo(1, 1);
  QPainter painter;
  if (!painter.begin(printer.get())) {
    ShowError(this, QString::fromUtf8(kChartPrintFailedMessage));
    return;
  }
  RenderChart(painter,
              printer->pageRect(QPrinter::DevicePixel).translated(-printer->pageRect(QPrinter::DevicePixel).topLeft()),
              geometry(), style(), numbers_);
  if (!painter.end()) ShowError(this, QString::fromUtf8(kChartPrintFailedMessage));
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  if (!files_->settleUnsaved()) {
    event->ignore();
    return;
  }
  savePlacement();
  event->accept();
}

void ChartWindow::restorePlacement() {
  QSettings settings;
  settings.beginGroup(QStringLiteral("Chart"));
  const QRect place(settings.value(QStringLiteral("Left"), -1).toInt(),
                    settings.value(QStringLiteral("Top"), -1).toInt(),
                    settings.value(QStringLiteral("Width"), kInitialWidth).toInt(),
                    settings.value(QStringLiteral("Height"), kInitialHeight).toInt());
  if (place.width() > 0 && place.height() > 0) resize(place.size());
  if (place.left() >= 0 && place.top() >= 0) move(place.topLeft());
}

void ChartWindow::savePlacement() const {
  if (!placed_) return;
  QSettings settings;
  settings.beginGroup(QStringLiteral("Chart"));
  settings.setValue(QStringLiteral("Left"), x());
  settings.setValue(QStringLiteral("Top"), y());
  settings.setValue(QStringLiteral("Width"), width());
  settings.setValue(QStringLiteral("Height"), height());
}

}  // namespace vaporel
