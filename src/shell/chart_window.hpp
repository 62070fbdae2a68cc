#pragma once
// "Psychrometric chart": a non-modal window beside the main one that draws the state of
// the results on display and follows every Calculate and every hiding of the results.

#include <QWidget>
#include <optional>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_renderer.hpp"
#include "numbers/numbers.hpp"
#include "shell/report_window.hpp"
#include "shell/shell_texts.hpp"
#include "window/chart/chart_subject_of.hpp"
#include "window/model/main_window_model.hpp"

class QComboBox;
class QLabel;

namespace vaporel {

class ChartCanvas;

class ChartWindow : public QWidget {
 public:
  ChartWindow(const MainWindowModel& model, const Numbers& numbers, ReportWindowServices services);
  ~ChartWindow() override;

  // Reads the main window's state again and redraws when it changed.
  void follow();
  // Shows the window (at its remembered place the first time) and raises it.
  void present();

  const ChartSubject& subject() const { return subject_; }
  const ChartGeometry& geometry() const { return geometry_; }
  ChartStyle style() const;
  ChartCanvas* canvas() const { return canvas_; }
  QLabel* statusLine() const { return status_; }

  UnitSystem units() const { return geometry_.units; }

  // The commands, as the window's controls run them.
  void setStyle(ChartStyle style);
  // SI or IP, remembered for the next session.
  void setUnits(UnitSystem units);
  void saveAs();
  void print();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void rebuild();
  void restorePlacement();
  void savePlacement() const;

  const MainWindowModel& model_;
  Numbers numbers_;
  ReportWindowServices services_;
  ChartSubject subject_;
  ChartGeometry geometry_;
  ChartCanvas* canvas_ = nullptr;
  QComboBox* styleBox_ = nullptr;
  QComboBox* unitsBox_ = nullptr;
  QLabel* status_ = nullptr;
  bool placed_ = false;
};

// The chart drawn to the widget's size; the status line names the state under the mouse.
class ChartCanvas : public QWidget {
 public:
  ChartCanvas(ChartWindow* window, QLabel* status, const Numbers& numbers);
  void setStyle(ChartStyle style);
  ChartStyle style() const { return style_; }
  // The state under a point of the canvas, as the status line names it ("" outside the plot).
  QString textAt(QPointF at) const;
  // Where a state is drawn on the canvas as it stands.
  std::optional<QPointF> canvasPointOf(ChartPoint point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ChartWindow* window_;
  QLabel* status_;
  const Numbers& numbers_;
  ChartStyle style_ = ChartStyle::Psychrometric;
  std::optional<RenderedChart> rendered_;
};

}  // namespace vaporel
