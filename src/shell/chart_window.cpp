#include "shell/chart_window.hpp"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineF>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "chart/geometry/project_chart.hpp"
#include "chart/hover_text.hpp"
#include "chart/render/chart_file.hpp"
#include "project/project_figures.hpp"
#include "project/project_file.hpp"
#include "project/project_writer.hpp"
#include "shell/command_guard.hpp"
#include "shell/return_key_button.hpp"

namespace vaporel {
namespace {

// A process arrow's hover text: its kind, states and heat, in the units shown.
std::string ProcessHover(const SolvedProcess& p, const std::string& from, const Numbers& numbers, UnitSystem units) {
  std::string text = std::string(ProcessKey(p.kind)) + " " + from + " into " + p.into + ":";
  for (const LoadFigure& f : LoadFigures(p)) {
    if (f.column != "total" && f.column != "sensible" && f.column != "latent" && f.column != "SHR") continue;
    const double value = ToUnits(f.quantity, units, f.value);
    text += "   " + std::string(f.column) + " " +
            (std::isfinite(value) ? numbers.format(value, f.pattern) : std::string("-"));
    if (f.quantity != Quantity::Ratio) text += " " + std::string(UnitName(f.quantity, units));
  }
  return text;
}

constexpr std::array<ChartStyle, 2> kStyles = {ChartStyle::Psychrometric, ChartStyle::Mollier};
constexpr int kInitialWidth = 1000, kInitialHeight = 900;
constexpr std::array<UnitSystem, 2> kUnits = {UnitSystem::SI, UnitSystem::IP};

UnitSystem RememberedUnits() {
  QSettings settings;
  const QString name = settings.value(QStringLiteral("Chart/Units"), QStringLiteral("si")).toString();
  return UnitSystemNamed(name.toStdString()).value_or(UnitSystem::SI);
}

void Critical(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kErrorTitle), text, QMessageBox::Ok, parent);
  box.exec();
}

// One edit of the worksheet: the worksheet before and after it.
class WorksheetEdit : public QUndoCommand {
 public:
  WorksheetEdit(ChartWindow* window, const QString& what, Worksheet before, Worksheet after)
      : QUndoCommand(what), window_(window), before_(std::move(before)), after_(std::move(after)) {}
  void redo() override { window_->showWorksheet(after_); }
  void undo() override { window_->showWorksheet(before_); }

 private:
  ChartWindow* window_;
  Worksheet before_, after_;
};

QString LastProjectFolder() {
  return QSettings().value(QStringLiteral("Chart/ProjectFolder"), DesktopFolder()).toString();
}

std::vector<std::string> Names(const Worksheet& sheet) {
  std::vector<std::string> names;
  for (const SolvedState& s : sheet.solved().states) names.push_back(s.name);
  return names;
}

// The first of P1, P2, ... no state has.
std::string FreeName(const Worksheet& sheet) {
  const std::vector<std::string> names = Names(sheet);
  for (int i = 1;; ++i) {
    std::string name = "P" + std::to_string(i);
    if (std::find(names.begin(), names.end(), name) == names.end()) return name;
  }
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
  auto* save = new ReturnKeyButton(QString::fromUtf8(kChartSaveButton), this);
  auto* print = new ReturnKeyButton(QStringLiteral("Print"), this);
  save->setObjectName(QStringLiteral("SaveAs"));
  print->setObjectName(QStringLiteral("Print"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Status"));
  canvas_ = new ChartCanvas(this, status_, numbers_);
  tables_ = new WorksheetTables(this);
  tables_->onRename = [this](const std::string& from, const std::string& to) { renameState(from, to); };
  undo_ = new QUndoStack(this);
  connect(undo_, &QUndoStack::cleanChanged, this, [this] { updateTitle(); });

  auto* commands = new QHBoxLayout;
  commands->addWidget(styleBox_);
  commands->addWidget(unitsBox_);
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
  connect(save, &QPushButton::clicked, this, Command([this] { saveAs(); }));
  connect(print, &QPushButton::clicked, this, Command([this] { this->print(); }));
  resize(kInitialWidth, kInitialHeight);
  subject_ = ChartSubjectOf(model_, numbers_);
  geometry_.units = RememberedUnits();
  unitsBox_->setCurrentIndex(geometry_.units == UnitSystem::IP ? 1 : 0);
  rebuild();
}

ChartWindow::~ChartWindow() = default;

ChartStyle ChartWindow::style() const { return canvas_->style(); }

void ChartWindow::follow() {
  const ChartSubject now = ChartSubjectOf(model_, numbers_);
  if (now == subject_) return;
  subject_ = now;
  rebuild();
}

void ChartWindow::rebuild() {
  std::vector<ChartPoint> points;
  const SolvedProject& solved = sheet_.solved();
  const bool sheet = !solved.states.empty();
  // The live state is drawn with the worksheet only at the worksheet's pressure.
  if (subject_.state && (!sheet || subject_.state->p == solved.pressure)) {
    points.push_back({subject_.state->tdb, subject_.state->x});
  }
  geometry_ = sheet ? BuildProcessDrawingGeometry(DrawingOf(solved), geometry_.units, points)
                    : BuildChartGeometry(subject_.p, points, geometry_.units);
  canvas_->update();
}

// ---- the worksheet ---------------------------------------------------------

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
  QMenu* editMenu = menus_->addMenu(QStringLiteral("&Edit"));
  QAction* undo = undo_->createUndoAction(this, QStringLiteral("&Undo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = undo_->createRedoAction(this, QStringLiteral("&Redo"));
  // Both habits, whatever the desktop's theme says.
  redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  editMenu->addAction(undo);
  editMenu->addAction(redo);
  editMenu->addSeparator();
  add(editMenu, QStringLiteral("&Copy tables"), QKeySequence::Copy, [this] { copyTables(); });
  add(editMenu, QStringLiteral("&Delete"), QKeySequence::Delete, [this] { removeSelected(); });
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

bool ChartWindow::isModified() const { return !undo_->isClean(); }

void ChartWindow::updateTitle() {
  QString title = QString::fromUtf8(kChartWindowTitle);
  if (!path_.isEmpty()) title += QStringLiteral(" - ") + QFileInfo(path_).fileName();
  if (isModified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

void ChartWindow::showWorksheet(const Worksheet& sheet) {
  sheet_ = sheet;
  tables_->display(sheet_, numbers_);
  rebuild();
  updateTitle();
}

bool ChartWindow::edit(const QString& what, const std::function<EditRefusal(Worksheet&)>& change) {
  Worksheet trial = sheet_;
  if (const EditRefusal refusal = change(trial)) {
    Critical(this, QString::fromStdString(*refusal));
    return false;
  }
  undo_->push(new WorksheetEdit(this, what, sheet_, std::move(trial)));
  return true;
}

void ChartWindow::addState() {
  if (!subject_.state) {
    Critical(this, QStringLiteral("Calculate a state in the main window first: the worksheet pins the state shown."));
    return;
  }
  const AirState state = *subject_.state;
  edit(QStringLiteral("Add state"), [&state](Worksheet& sheet) { return sheet.pin(state); });
}

void ChartWindow::renameState(const std::string& from, const std::string& to) {
  if (!edit(QStringLiteral("Rename state"), [&](Worksheet& sheet) { return sheet.rename(from, to); })) {
    tables_->display(sheet_, numbers_);  // the name as it was
  }
}

void ChartWindow::removeSelected() {
  if (const auto index = tables_->selectedProcess(); index && tables_->processes()->hasFocus()) {
    edit(QStringLiteral("Remove process"), [&](Worksheet& sheet) { return sheet.removeProcess(*index); });
  } else if (const auto name = tables_->selectedState()) {
    edit(QStringLiteral("Remove state"), [&](Worksheet& sheet) { return sheet.remove(*name); });
  } else if (index) {
    edit(QStringLiteral("Remove process"), [&](Worksheet& sheet) { return sheet.removeProcess(*index); });
  }
}

std::optional<ProcessInput> ChartWindow::askProcess(ProcessKind kind, const std::optional<ProcessInput>& existing,
                                                    std::optional<std::size_t> replacing) {
  if (!worksheetServices_.editProcess) return std::nullopt;
  if (sheet_.solved().states.empty()) {
    Critical(this, QStringLiteral("Add a state first: a process starts from the worksheet's states."));
    return std::nullopt;
  }
  ProcessRequest request{kind, Names(sheet_), FreeName(sheet_), existing, sheet_.project().units, {}};
  const Worksheet& sheet = sheet_;
  request.check = [&sheet, replacing](const ProcessInput& process) {
    Worksheet trial = sheet;
    return replacing ? trial.replaceProcess(*replacing, process) : trial.addProcess(process);
  };
  return worksheetServices_.editProcess(this, request);
}

void ChartWindow::addProcess(ProcessKind kind) {
  const auto process = askProcess(kind, std::nullopt, std::nullopt);
  if (!process) return;
  edit(QString::fromUtf8(ProcessCaption(kind)), [&](Worksheet& sheet) { return sheet.addProcess(*process); });
}

void ChartWindow::editSelectedProcess() {
  const auto index = tables_->selectedProcess();
  if (!index) {
    Critical(this, QStringLiteral("Select a process in the table first."));
    return;
  }
  const ProcessInput& existing = sheet_.project().processes.at(*index);
  const auto process = askProcess(existing.kind(), existing, index);
  if (!process) return;
  edit(QStringLiteral("Edit process"), [&](Worksheet& sheet) { return sheet.replaceProcess(*index, *process); });
}

void ChartWindow::setAirFlow() {
  if (!worksheetServices_.editAirFlow) return;
  const auto flow = worksheetServices_.editAirFlow(this, Names(sheet_), sheet_.project().airflow);
  if (!flow) return;
  const std::optional<AirFlowInput> set = flow->volume || flow->mass ? flow : std::nullopt;
  edit(QStringLiteral("Air flow"), [&](Worksheet& sheet) { return sheet.setAirFlow(set); });
}

void ChartWindow::copyTables() const {
  QApplication::clipboard()->setText(QString::fromStdString(sheet_.tablesText(numbers_)));
}

bool ChartWindow::settleUnsaved() {
  if (!isModified() || !worksheetServices_.askUnsaved) return true;
  switch (worksheetServices_.askUnsaved(this)) {
    case UnsavedAnswer::Save: return saveProject();
    case UnsavedAnswer::Discard: return true;
    case UnsavedAnswer::Cancel: break;
  }
  return false;
}

void ChartWindow::openProject() {
  if (!settleUnsaved() || !worksheetServices_.chooseProject) return;
  if (const auto path = worksheetServices_.chooseProject(this, LastProjectFolder())) openProjectFile(*path);
}

bool ChartWindow::openProjectFile(const QString& path) {
  const auto read = ReadProjectFile(path.toStdString());
  if (const auto* error = std::get_if<ProjectError>(&read)) {
    Critical(this, QString::fromStdString(error->message()));
    return false;
  }
  const Project& project = std::get<Project>(read);
  Worksheet opened;
  if (opened.load(project)) {
    // Said under the file's name, so that the message names the file and the line.
    ProjectError error = *opened.lastError();
    error.file = path.toStdString();
    Critical(this, QString::fromStdString(error.message()));
    return false;
  }
  path_ = path;
  QSettings().setValue(QStringLiteral("Chart/ProjectFolder"), QFileInfo(path).absolutePath());
  undo_->clear();
  showWorksheet(opened);
  return true;
}

bool ChartWindow::saveProject() {
  if (path_.isEmpty()) return saveProjectAs();
  if (const auto failure = SaveProject(path_.toStdString(), sheet_.project())) {
    Critical(this, QStringLiteral("The project could not be saved: ") + QString::fromStdString(*failure));
    return false;
  }
  undo_->setClean();
  updateTitle();
  return true;
}

bool ChartWindow::saveProjectAs() {
  if (!worksheetServices_.chooseProjectTarget) return false;
  const QString suggested = path_.isEmpty() ? LastProjectFolder() + QStringLiteral("/project.vaporel.toml") : path_;
  const auto target = worksheetServices_.chooseProjectTarget(this, suggested);
  if (!target) return false;
  const QString previous = path_;
  path_ = *target;
  if (!saveProject()) {
    path_ = previous;
    updateTitle();
    return false;
  }
  QSettings().setValue(QStringLiteral("Chart/ProjectFolder"), QFileInfo(path_).absolutePath());
  return true;
}

void ChartWindow::setUnits(UnitSystem units) {
  const int index = units == UnitSystem::IP ? 1 : 0;
  if (unitsBox_->currentIndex() != index) unitsBox_->setCurrentIndex(index);
  QSettings().setValue(QStringLiteral("Chart/Units"), QString::fromUtf8(UnitSystemName(units).data()));
  if (geometry_.units == units) return;
  geometry_.units = units;
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
  if (const auto failure = WriteChartFile(target->toStdString(), geometry_, style(), numbers_)) {
    Critical(this, QString::fromUtf8(kChartSaveFailed) + QString::fromStdString(*failure));
  }
}

void ChartWindow::print() {
  std::unique_ptr<QPrinter> printer = services_.printer ? services_.printer() : nullptr;
  if (!printer) {
    Critical(this, QString::fromUtf8(kChartNoPrinterMessage));
    return;
  }
  printer->setPageOrientation(QPageLayout::Landscape);
  printer->setFromTo(1, 1);
  QPainter painter;
  if (!painter.begin(printer.get())) {
    Critical(this, QString::fromUtf8(kChartPrintFailedMessage));
    return;
  }
  RenderChart(painter,
              printer->pageRect(QPrinter::DevicePixel).translated(-printer->pageRect(QPrinter::DevicePixel).topLeft()),
              geometry_, style(), numbers_);
  if (!painter.end()) Critical(this, QString::fromUtf8(kChartPrintFailedMessage));
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  if (!settleUnsaved()) {
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

// ---- the canvas ------------------------------------------------------------

ChartCanvas::ChartCanvas(ChartWindow* window, QLabel* status, const Numbers& numbers)
    : QWidget(window), window_(window), status_(status), numbers_(numbers) {
  setObjectName(QStringLiteral("Canvas"));
  setMouseTracking(true);
  setMinimumSize(600, 400);
}

void ChartCanvas::setStyle(ChartStyle style) {
  style_ = style;
  update();
}

void ChartCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  rendered_ = RenderChart(painter, QRectF(rect()), window_->geometry(), style_, numbers_);
}

QString ChartCanvas::textAt(QPointF at) const {
  if (!rendered_) return {};
  if (QString figures = worksheetTextAt(at); !figures.isEmpty()) return figures;
  const auto point = rendered_->frame.fromPage(rendered_->pageToDevice.inverted().map(at));
  if (!point) return {};
  return QString::fromStdString(HoverText(*point, window_->geometry().p, numbers_, window_->units()));
}

// A worksheet's state under the mouse (within a few pixels of its dot) named with its
// figures, or a process's arrow with its loads.
QString ChartCanvas::worksheetTextAt(QPointF at) const {
  constexpr double kNear = 7;
  const SolvedProject& solved = window_->worksheet().solved();
  std::map<std::string, QPointF> dots;
  for (const SolvedState& s : solved.states) {
    const QPointF dot = *canvasPointOf({s.state.tdb, s.state.x});
    dots[s.name] = dot;
    if (QLineF(dot, at).length() <= kNear) {
      return QString::fromStdString(s.name + ":   " +
                                    HoverText({s.state.tdb, s.state.x}, solved.pressure, numbers_, window_->units()));
    }
  }
  for (const SolvedProcess& p : solved.processes) {
    for (const std::string& from : p.from) {
      const QPointF a = dots[from], b = dots[p.into];
      const QPointF along = b - a;
      const double length2 = QPointF::dotProduct(along, along);
      const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(at - a, along) / length2, 0.0, 1.0) : 0.0;
      if (QLineF(a + along * t, at).length() > kNear / 2) continue;
      return QString::fromStdString(ProcessHover(p, from, numbers_, window_->units()));
    }
  }
  return {};
}

std::optional<QPointF> ChartCanvas::canvasPointOf(ChartPoint point) const {
  if (!rendered_) return std::nullopt;
  return rendered_->pageToDevice.map(rendered_->frame.toPage(point));
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* event) { status_->setText(textAt(event->position())); }

void ChartCanvas::leaveEvent(QEvent*) { status_->clear(); }

}  // namespace vaporel
