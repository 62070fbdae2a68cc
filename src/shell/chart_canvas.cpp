#include "shell/chart_canvas.hpp"

#include <QLabel>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>

#include "chart/hover_text.hpp"
#include "project/project_figures.hpp"

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

// One notch of a mouse wheel (120 eighths of a degree) zooms by this factor.
constexpr double kNotchZoom = 0.8;
constexpr double kNotch = 120;

}  // namespace

ChartView ZoomedView(const ChartView& view, ChartPoint about, double factor) {
  return {about.t - (about.t - view.tMin) * factor, about.t + (view.tMax - about.t) * factor,
          about.x - (about.x - view.xMin) * factor, about.x + (view.xMax - about.x) * factor};
}

ChartView PannedView(const ChartView& view, ChartPoint from, ChartPoint to) {
  const double dt = from.t - to.t, dx = from.x - to.x;
  return {view.tMin + dt, view.tMax + dt, view.xMin + dx, view.xMax + dx};
}

ChartCanvas::ChartCanvas(QWidget* parent, QLabel* status, const Numbers& numbers)
    : QWidget(parent), status_(status), numbers_(numbers) {
  setObjectName(QStringLiteral("Canvas"));
  setMouseTracking(true);
  setMinimumSize(600, 400);
}

void ChartCanvas::draw(const ChartGeometry& geometry, const SolvedProject& project) {
  geometry_ = geometry;
  project_ = project;
  update();
}

void ChartCanvas::setStyle(ChartStyle style) {
  style_ = style;
  update();
}

void ChartCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  rendered_ = RenderChart(painter, QRectF(rect()), geometry_, style_, numbers_);
}

std::optional<ChartPoint> ChartCanvas::chartPointAt(const RenderedChart& rendered, QPointF at) const {
  return rendered.frame.fromPage(rendered.pageToDevice.inverted().map(at));
}

QString ChartCanvas::textAt(QPointF at) const {
  if (!rendered_) return {};
  if (QString figures = worksheetTextAt(at); !figures.isEmpty()) return figures;
  const auto point = chartPointAt(*rendered_, at);
  if (!point) return {};
  return QString::fromStdString(HoverText(*point, geometry_.p, numbers_, geometry_.units, *geometry_.relations));
}

// A worksheet's state under the mouse (within a few pixels of its dot) named with its
// figures, or a process's arrow with its loads.
QString ChartCanvas::worksheetTextAt(QPointF at) const {
  constexpr double kNear = 7;
  std::map<std::string, QPointF> dots;
  for (const SolvedState& s : project_.states) {
    const QPointF dot = *canvasPointOf({s.state.tdb, s.state.x});
    dots[s.name] = dot;
    if (QLineF(dot, at).length() <= kNear) {
      return QString::fromStdString(
          s.name + ":   " +
          HoverText({s.state.tdb, s.state.x}, project_.pressure, numbers_, geometry_.units, *geometry_.relations));
    }
  }
  for (const SolvedProcess& p : project_.processes) {
    for (const std::string& from : p.from) {
      const QPointF a = dots[from], b = dots[p.into];
      const QPointF along = b - a;
      const double length2 = QPointF::dotProduct(along, along);
      const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(at - a, along) / length2, 0.0, 1.0) : 0.0;
      if (QLineF(a + along * t, at).length() > kNear / 2) continue;
      return QString::fromStdString(ProcessHover(p, from, numbers_, geometry_.units));
    }
  }
  return {};
}

std::optional<QPointF> ChartCanvas::canvasPointOf(ChartPoint point) const {
  if (!rendered_) return std::nullopt;
  return rendered_->pageToDevice.map(rendered_->frame.toPage(point));
}

// The view asked for, then moved so that `point` is drawn at `at`: the plot's frame changes
// when the legend moves under the plot (as it does in any view the user asks for), and the
// point held under the cursor must stay there.
void ChartCanvas::askKeeping(const ChartView& view, ChartPoint point, QPointF at) {
  onViewAsked(view);
  QPicture picture;
  QPainter painter(&picture);
  const RenderedChart now = RenderChart(painter, QRectF(rect()), geometry_, style_, numbers_);
  painter.end();
  const auto under = chartPointAt(now, at);
  constexpr double kClose = 1e-9;
  if (under && (std::fabs(under->t - point.t) > kClose * (geometry_.view.tMax - geometry_.view.tMin) ||
                std::fabs(under->x - point.x) > kClose * (geometry_.view.xMax - geometry_.view.xMin))) {
    onViewAsked(PannedView(geometry_.view, point, *under));
  }
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (grabbed_ && (event->buttons() & Qt::LeftButton) && onViewAsked) {
    if (const auto to = chartPointAt(*grabbed_, event->position())) {
      askKeeping(PannedView(grabbedView_, grabbedAt_, *to), grabbedAt_, event->position());
    }
  }
  status_->setText(textAt(event->position()));
}

void ChartCanvas::mousePressEvent(QMouseEvent* event) {
  grabbed_.reset();
  if (event->button() != Qt::LeftButton || !rendered_) return;
  if (const auto at = chartPointAt(*rendered_, event->position())) {
    grabbed_ = rendered_;
    grabbedView_ = geometry_.view;
    grabbedAt_ = *at;
    setCursor(Qt::ClosedHandCursor);
  }
}

void ChartCanvas::mouseReleaseEvent(QMouseEvent*) {
  grabbed_.reset();
  unsetCursor();
}

void ChartCanvas::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kNotch;
  const auto about = rendered_ ? chartPointAt(*rendered_, event->position()) : std::nullopt;
  if (!about || notches == 0 || !onViewAsked) return;
  askKeeping(ZoomedView(geometry_.view, *about, std::pow(kNotchZoom, notches)), *about, event->position());
  event->accept();
}

void ChartCanvas::leaveEvent(QEvent*) { status_->clear(); }

}  // namespace vaporel
