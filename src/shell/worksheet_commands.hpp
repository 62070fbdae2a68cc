#pragma once
// The worksheet's commands as the chart window's menus run them: a state pinned from the main
// window, processes added and edited in their dialogs, the selected row removed, a state
// renamed, the air flow set, the tables copied. Each edit is checked as the project file is
// and refused with a message box, or made as one step of the undo stack.

#include <functional>
#include <optional>
#include <string>

#include "calculation/air_state.hpp"
#include "numbers/numbers.hpp"
#include "shell/worksheet_services.hpp"
#include "shell/worksheet_tables.hpp"
#include "shell/worksheet_undo.hpp"

class QWidget;

namespace vaporel {

class WorksheetCommands {
 public:
  // `live`: the state the main window shows, if any; `units`: those the window shows.
  WorksheetCommands(QWidget* parent, WorksheetUndo& undo, WorksheetTables* tables, const WorksheetServices& services,
                    const Numbers& numbers, std::function<std::optional<AirState>()> live,
                    std::function<UnitSystem()> units);

  void addState();
  void removeSelected();
  void addProcess(ProcessKind kind);
  void editSelectedProcess();
  void setAirFlow();
  void setFormulation(FormulationId formulation);
  void renameState(const std::string& from, const std::string& to);
  void copyTables() const;

 private:
  bool edit(const QString& what, const std::function<EditRefusal(Worksheet&)>& change);
  std::optional<ProcessInput> askProcess(ProcessKind kind, const std::optional<ProcessInput>& existing,
                                         std::optional<std::size_t> replacing);

  QWidget* parent_;
  WorksheetUndo& undo_;
  WorksheetTables* tables_;
  const Numbers& numbers_;
  std::function<std::optional<AirState>()> live_;
  std::function<UnitSystem()> units_;
  const WorksheetServices& services_;
};

}  // namespace vaporel
