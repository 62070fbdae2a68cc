#include "shell/chart_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QVBoxLayout>
#include <array>

#include "chart/hover_text.hpp"
#include "chart/render/chart_file.hpp"
#include "shell/command_guard.hpp"
#include "shell/return_key_button.hpp"

namespace vaporel {
namespace {

constexpr std::array<ChartStyle, 2> kStyles = {ChartStyle::Psychrometric, ChartStyle::Mollier};
constexpr int kInitialWidth = 1000, kInitialHeight = 720;
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

}  // namespace

ChartWindow::ChartWindow(const MainWindowModel& model, const Numbers& numbers, ReportWindowServices services)
    : QWidget(nullptr, Qt::Window), model_(model), numbers_(numbers), services_(std::move(services)) {
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

  auto* commands = new QHBoxLayout;
  commands->addWidget(styleBox_);
  commands->addWidget(unitsBox_);
  commands->addStretch(1);
  commands->addWidget(save);
  commands->addWidget(print);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands);
  layout->addWidget(canvas_, 1);
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
  if (subject_.state) points.push_back({subject_.state->tdb, subject_.state->x});
  geometry_ = BuildChartGeometry(subject_.p, points, geometry_.units);
  canvas_->update();
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
  const auto point = rendered_->frame.fromPage(rendered_->pageToDevice.inverted().map(at));
  if (!point) return {};
  return QString::fromStdString(HoverText(*point, window_->geometry().p, numbers_, window_->units()));
}

std::optional<QPointF> ChartCanvas::canvasPointOf(ChartPoint point) const {
  if (!rendered_) return std::nullopt;
  return rendered_->pageToDevice.map(rendered_->frame.toPage(point));
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* event) { status_->setText(textAt(event->position())); }

void ChartCanvas::leaveEvent(QEvent*) { status_->clear(); }

}  // namespace vaporel
