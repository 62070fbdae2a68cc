#include "shell/worksheet_commands.hpp"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "project/project_keys.hpp"
#include "project/project_units.hpp"
#include "shell/error_box.hpp"

namespace vaporel {
namespace {

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

// Whether a figure came back from a dialog as it was shown (to one part in 10⁹: the text a
// dialog shows of a converted value reads back a hair away from it).
bool AsShown(const std::optional<double>& typed, const std::optional<double>& shown) {
  return typed && shown && std::fabs(*typed - *shown) <= 1e-9 * std::fabs(*shown);
}

// A process typed in the window's units, in the file's; a figure the user left as shown keeps
// the file's own value, so that showing a file in other units never changes it.
ProcessInput InFileUnits(const ProcessInput& typed, UnitSystem shownIn, UnitSystem fileUnits,
                         const std::optional<ProcessInput>& original) {
  ProcessInput out = ProcessInUnits(typed, shownIn, fileUnits);
  if (!original || original->kind() != typed.kind()) return out;
  const ProcessInput shown = ProcessInUnits(*original, fileUnits, shownIn);
  for (const ProcessFigure& figure : FiguresOf(typed.kind())) {
    if (AsShown(figure.of(typed), figure.of(shown))) figure.of(out) = figure.of(*original);
  }
  return out;
}

}  // namespace

WorksheetCommands::WorksheetCommands(QWidget* parent, WorksheetUndo& undo, WorksheetTables* tables,
                                     const WorksheetServices& services, const Numbers& numbers,
                                     std::function<std::optional<AirState>()> live, std::function<UnitSystem()> units)
    : parent_(parent),
      undo_(undo),
      tables_(tables),
      numbers_(numbers),
      live_(std::move(live)),
      units_(std::move(units)),
      services_(services) {}

bool WorksheetCommands::edit(const QString& what, const std::function<EditRefusal(Worksheet&)>& change) {
  if (const EditRefusal refusal = undo_.edit(what, change)) {
    ShowError(parent_, QString::fromStdString(*refusal));
    return false;
  }
  return true;
}

void WorksheetCommands::addState() {
  const std::optional<AirState> state = live_();
  if (!state) {
    ShowError(parent_,
              QStringLiteral("Calculate a state in the main window first: the worksheet pins the state shown."));
    return;
  }
  edit(QStringLiteral("Add state"), [&state](Worksheet& sheet) { return sheet.pin(*state); });
}

void WorksheetCommands::renameState(const std::string& from, const std::string& to) {
  if (!edit(QStringLiteral("Rename state"), [&](Worksheet& sheet) { return sheet.rename(from, to); })) {
    tables_->display(undo_.sheet(), numbers_, units_());  // the name as it was
  }
}

void WorksheetCommands::removeSelected() {
  if (const auto index = tables_->selectedProcess(); index && tables_->processes()->hasFocus()) {
    edit(QStringLiteral("Remove process"), [&](Worksheet& sheet) { return sheet.removeProcess(*index); });
  } else if (const auto name = tables_->selectedState()) {
    edit(QStringLiteral("Remove state"), [&](Worksheet& sheet) { return sheet.remove(*name); });
  } else if (index) {
    edit(QStringLiteral("Remove process"), [&](Worksheet& sheet) { return sheet.removeProcess(*index); });
  }
}

std::optional<ProcessInput> WorksheetCommands::askProcess(ProcessKind kind, const std::optional<ProcessInput>& existing,
                                                          std::optional<std::size_t> replacing) {
  if (!services_.editProcess) return std::nullopt;
  const Worksheet& sheet = undo_.sheet();
  if (sheet.solved().states.empty()) {
    ShowError(parent_, QStringLiteral("Add a state first: a process starts from the worksheet's states."));
    return std::nullopt;
  }
  const UnitSystem shownIn = units_(), fileUnits = sheet.project().units;
  const std::optional<ProcessInput> shown =
      existing ? std::optional(ProcessInUnits(*existing, fileUnits, shownIn)) : std::nullopt;
  ProcessRequest request{kind, Names(sheet), FreeName(sheet), shown, shownIn, {}};
  request.check = [&sheet, replacing, shownIn, fileUnits, &existing](const ProcessInput& typed) {
    Worksheet trial = sheet;
    const ProcessInput process = InFileUnits(typed, shownIn, fileUnits, existing);
    return replacing ? trial.replaceProcess(*replacing, process) : trial.addProcess(process);
  };
  const auto typed = services_.editProcess(parent_, request);
  if (!typed) return std::nullopt;
  return InFileUnits(*typed, shownIn, fileUnits, existing);
}

void WorksheetCommands::addProcess(ProcessKind kind) {
  const auto process = askProcess(kind, std::nullopt, std::nullopt);
  if (!process) return;
  edit(QString::fromUtf8(ProcessCaption(kind)), [&](Worksheet& sheet) { return sheet.addProcess(*process); });
}

void WorksheetCommands::editSelectedProcess() {
  const auto index = tables_->selectedProcess();
  if (!index) {
    ShowError(parent_, QStringLiteral("Select a process in the table first."));
    return;
  }
  const ProcessInput existing = undo_.sheet().project().processes.at(*index);
  const auto process = askProcess(existing.kind(), existing, index);
  if (!process) return;
  edit(QStringLiteral("Edit process"), [&](Worksheet& sheet) { return sheet.replaceProcess(*index, *process); });
}

void WorksheetCommands::setAirFlow() {
  if (!services_.editAirFlow) return;
  const Worksheet& sheet = undo_.sheet();
  const UnitSystem shownIn = units_(), fileUnits = sheet.project().units;
  const std::optional<AirFlowInput>& current = sheet.project().airflow;
  const auto shown = current ? std::optional(AirFlowInUnits(*current, fileUnits, shownIn)) : std::nullopt;
  const auto typed = services_.editAirFlow(parent_, Names(sheet), shown, shownIn);
  if (!typed) return;
  AirFlowInput flow = AirFlowInUnits(*typed, shownIn, fileUnits);
  if (current && AsShown(typed->volume, shown->volume)) flow.volume = current->volume;
  if (current && AsShown(typed->mass, shown->mass)) flow.mass = current->mass;
  const std::optional<AirFlowInput> set = flow.volume || flow.mass ? std::optional(flow) : std::nullopt;
  edit(QStringLiteral("Air flow"), [&](Worksheet& s) { return s.setAirFlow(set); });
}

void WorksheetCommands::setFormulation(FormulationId formulation) {
  if (undo_.sheet().project().formulation == formulation) return;
  edit(QStringLiteral("Formulation"), [&](Worksheet& s) { return s.setFormulation(formulation); });
}

void WorksheetCommands::copyTables() const {
  QApplication::clipboard()->setText(QString::fromStdString(undo_.sheet().tablesText(numbers_, units_())));
}

}  // namespace vaporel
