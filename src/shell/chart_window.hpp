#pragma once
// "Psychrometric chart": a non-modal window beside the main one that draws the state of
// the results on display and follows every Calculate and every hiding of the results; and
// the worksheet: states pinned from the main window, processes between them, their tables,
// kept in a project file, every edit undoable.

#include <QWidget>
#include <functional>
#include <optional>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_renderer.hpp"
#include "numbers/numbers.hpp"
#include "shell/report_window.hpp"
#include "shell/shell_texts.hpp"
#include "shell/worksheet_services.hpp"
#include "shell/worksheet_tables.hpp"
#include "window/chart/chart_subject_of.hpp"
#include "window/model/main_window_model.hpp"
#include "window/worksheet/worksheet.hpp"

class QComboBox;
class QLabel;
class QMenuBar;
class QUndoStack;

namespace vaporel {

class ChartCanvas;

class ChartWindow : public QWidget {
 public:
  ChartWindow(const MainWindowModel& model, const Numbers& numbers, ReportWindowServices services,
              WorksheetServices worksheetServices = {});
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

  // The worksheet's commands. Each edit is checked and refused with a message box, or made
  // as one step of the undo stack.
  void addState();        // the main window's state, pinned
  void removeSelected();  // the process or state selected in the tables
  void addProcess(ProcessKind kind);
  void editSelectedProcess();
  void setAirFlow();
  void renameState(const std::string& from, const std::string& to);
  void copyTables() const;
  void openProject();
  bool saveProject();  // false when not saved (cancelled or failed)
  bool saveProjectAs();
  // A project file opened in place of the worksheet; false, the worksheet unchanged and the
  // cause shown, when it cannot be read or solved.
  bool openProjectFile(const QString& path);

  const Worksheet& worksheet() const { return sheet_; }
  void setWorksheetServices(WorksheetServices services) { worksheetServices_ = std::move(services); }
  WorksheetTables* tables() const { return tables_; }
  QUndoStack* undoStack() const { return undo_; }
  QMenuBar* menus() const { return menus_; }
  bool isModified() const;
  const QString& projectPath() const { return path_; }
  // The worksheet as a step of the undo stack shows it.
  void showWorksheet(const Worksheet& sheet);
  void saveAs();
  void print();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void rebuild();
  void restorePlacement();
  void savePlacement() const;
  void buildMenus();
  void updateTitle();
  // The change tried on a copy; refused with its message, or pushed onto the undo stack.
  bool edit(const QString& what, const std::function<EditRefusal(Worksheet&)>& change);
  // Unsaved changes saved, dropped or kept (false: the user went back).
  bool settleUnsaved();
  std::optional<ProcessInput> askProcess(ProcessKind kind, const std::optional<ProcessInput>& existing,
                                         std::optional<std::size_t> replacing);

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
  WorksheetServices worksheetServices_;
  Worksheet sheet_;
  WorksheetTables* tables_ = nullptr;
  QUndoStack* undo_ = nullptr;
  QMenuBar* menus_ = nullptr;
  QString path_;
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
  QString worksheetTextAt(QPointF at) const;

  ChartWindow* window_;
  QLabel* status_;
  const Numbers& numbers_;
  ChartStyle style_ = ChartStyle::Psychrometric;
  std::optional<RenderedChart> rendered_;
};

}  // namespace vaporel
