#pragma once
// What the worksheet asks of the desktop: files to open and save, the unsaved-changes
// question, and the dialogs of a process and of the air flow. Tests replace each.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "numbers/numbers.hpp"
#include "project/project.hpp"
#include "shell/process_dialog.hpp"

class QWidget;

namespace vaporel {

enum class UnsavedAnswer { Save, Discard, Cancel };

struct WorksheetServices {
  // A project file to open, starting in `folder`; nullopt on cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& folder)> chooseProject;
  // A weather file (EPW or CSV) to lay under the chart, starting in `folder`; nullopt on cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& folder)> chooseWeather;
  // Where to save the project, proposing `suggested`; nullopt on cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& suggested)> chooseProjectTarget;
  // The worksheet has changes not saved: save them, drop them, or go back.
  std::function<UnsavedAnswer(QWidget* parent)> askUnsaved;
  // A process's figures from its dialog; nullopt on cancel.
  std::function<std::optional<ProcessInput>(QWidget* parent, const ProcessRequest& request)> editProcess;
  // The air flow: a state and a volume or a mass, in `units` (m³/h or kg/s; cfm or lb/min);
  // nullopt on cancel.
  std::function<std::optional<AirFlowInput>(QWidget* parent, const std::vector<std::string>& names,
                                            const std::optional<AirFlowInput>& current, UnitSystem units)>
      editAirFlow;
};

// The desktop's file dialogs, question box and the process and air-flow dialogs.
WorksheetServices DesktopWorksheetServices(const Numbers& numbers);

}  // namespace vaporel
