#pragma once
// "Psychrometric chart": a non-modal window beside the main one that draws the state of
// the results on display and follows every Calculate and every hiding of the results; and
// the worksheet: states pinned from the main window, processes between them, their tables,
// kept in a project file, every edit undoable. The window wires its parts, each a class of
// its own: the chart view (ChartCanvas), the worksheet's commands (WorksheetCommands), the
// project files (ProjectFiles) and undo (WorksheetUndo).

#include <QWidget>
#include <memory>
#include <optional>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_renderer.hpp"
#include "numbers/numbers.hpp"
#include "shell/chart_canvas.hpp"
#include "shell/project_files.hpp"
#include "shell/report_window.hpp"
#include "shell/worksheet_commands.hpp"
#include "shell/worksheet_services.hpp"
#include "shell/worksheet_tables.hpp"
#include "shell/worksheet_undo.hpp"
#include "window/chart/chart_subject_of.hpp"
#include "window/chart/weather_layer.hpp"
#include "window/model/main_window_model.hpp"

class QComboBox;
class QLabel;
class QMenuBar;
class QUndoStack;

namespace vaporel {

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
  const ChartGeometry& geometry() const { return canvas_->geometry(); }
  ChartStyle style() const { return canvas_->style(); }
  ChartCanvas* canvas() const { return canvas_; }
  QLabel* statusLine() const { return status_; }
  // SI or IP: the chart, the tables, the dialogs and the hover texts; never the file.
  UnitSystem units() const { return units_; }

  void setStyle(ChartStyle style);
  // SI or IP, remembered for the next session.
  void setUnits(UnitSystem units);
  // The view asked for (zoomed or panned); "Fit to worksheet"; "Standard view".
  void setView(const ChartView& view);
  void fitToWorksheet();
  void standardView();

  // The worksheet's commands and files, as the menus run them.
  void addState() { commands_->addState(); }
  void removeSelected() { commands_->removeSelected(); }
  void addProcess(ProcessKind kind) { commands_->addProcess(kind); }
  void editSelectedProcess() { commands_->editSelectedProcess(); }
  void setAirFlow() { commands_->setAirFlow(); }
  // The worksheet's formulation: the program's own or the ASHRAE Handbook's (an undoable edit).
  void setFormulation(FormulationId formulation);
  void copyTables() const { commands_->copyTables(); }
  void openProject() { files_->open(); }
  bool saveProject() { return files_->save(); }
  bool saveProjectAs() { return files_->saveAs(); }
  bool openProjectFile(const QString& path) { return files_->openFile(path); }
  // "Open weather file…": a year laid under the worksheet, its hours per zone under the tables;
  // false, the chart as it was and the cause shown, when the file cannot be read.
  void openWeather();
  bool openWeatherFile(const QString& path, bool keepView = false);
  void closeWeather();
  const std::optional<WeatherLayer>& weather() const { return weather_; }

  const Worksheet& worksheet() const { return undo_->sheet(); }
  void setWorksheetServices(WorksheetServices services);
  WorksheetTables* tables() const { return tables_; }
  QUndoStack* undoStack() const { return undo_->stack(); }
  QMenuBar* menus() const { return menus_; }
  bool isModified() const { return files_->isModified(); }
  const QString& projectPath() const { return files_->path(); }
  void saveAs();
  void print();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showWorksheet(const Worksheet& sheet);
  void rebuild();
  void restorePlacement();
  void savePlacement() const;
  void buildMenus();

  const MainWindowModel& model_;
  Numbers numbers_;
  ReportWindowServices services_;
  WorksheetServices worksheetServices_;
  ChartSubject subject_;
  UnitSystem units_ = UnitSystem::SI;
  std::optional<ChartView> view_;  // zoomed or panned; else the standard view
  std::optional<WeatherLayer> weather_;
  QString weatherPath_;
  ChartCanvas* canvas_ = nullptr;
  QComboBox* styleBox_ = nullptr;
  QComboBox* unitsBox_ = nullptr;
  QComboBox* formulationBox_ = nullptr;
  QLabel* status_ = nullptr;
  bool placed_ = false;
  WorksheetTables* tables_ = nullptr;
  std::unique_ptr<WorksheetUndo> undo_;
  std::unique_ptr<WorksheetCommands> commands_;
  std::unique_ptr<ProjectFiles> files_;
  QMenuBar* menus_ = nullptr;
};

}  // namespace vaporel
