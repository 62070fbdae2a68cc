#pragma once
// The dialog of one process kind: the state it starts from (or the states it mixes, with their
// fractions or flows), the kind's figures (a number, or a state's property: "supply.x"), and
// the name of the state it makes (a state already known: the process must arrive there). Each figure is typed in
// the worksheet's units and the user's decimal separator; a field left empty is not given. OK
// checks the process as the project file does and says what is wrong in the dialog itself.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "numbers/numbers.hpp"
#include "project/project.hpp"
#include "project/project_keys.hpp"
#include "window/worksheet/worksheet.hpp"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QToolButton;

namespace vaporel {

struct ProcessRequest {
  ProcessKind kind = ProcessKind::Heat;
  std::vector<std::string> names;        // the states there are
  std::string into;                      // the name proposed for the new state
  std::optional<ProcessInput> existing;  // when a process is edited
  UnitSystem units = UnitSystem::SI;
  std::function<EditRefusal(const ProcessInput&)> check;  // the worksheet's verdict
};

class ProcessDialog : public QDialog {
 public:
  ProcessDialog(QWidget* parent, ProcessRequest request, const Numbers& numbers);

  // The process as the fields state it, or what is wrong with a field.
  std::variant<ProcessInput, std::string> input() const;
  // A figure's field by its key ("tdb", "adp", ...), a mix's fraction by the state's name.
  QLineEdit* field(const QString& key) const;
  QComboBox* fromBox() const { return from_; }
  QLabel* problem() const { return problem_; }

  void accept() override;

 private:
  QString shown(std::optional<double> value) const;
  void addFrom(QFormLayout* form);
  void addFigures(QFormLayout* form);
  void addCoilWay(QFormLayout* form);
  void showCoilWay();
  bool figureShown(std::string_view key) const;
  void addFractions(QFormLayout* form);
  void relabelMix();
  std::optional<FigureReference> referenceIn(const ProcessFigure& figure) const;
  QToolButton* stateFigureButton(const ProcessFigure& figure, QLineEdit* edit);
  std::optional<std::string> read(const QString& key, std::optional<double>& value) const;
  std::optional<std::string> readMix(MixFigures& mix) const;

  ProcessRequest request_;
  Numbers numbers_;
  MixFigures mix_;  // the mix edited
  QComboBox* mixBy_ = nullptr;
  QComboBox* rest_ = nullptr;
  std::vector<QLabel*> mixLabels_;
  RecoverFigures recover_;  // the recovery edited, with its flows
  QComboBox* exhaustFrom_ = nullptr;
  QComboBox* coilWay_ = nullptr;
  QFormLayout* form_ = nullptr;
  std::vector<std::pair<std::string_view, int>> figureRows_;
  QLineEdit* exhaustInto_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* method_ = nullptr;
  QLineEdit* into_ = nullptr;
  QLabel* problem_ = nullptr;
};

// A process kind's name in the window ("Mix", "Heat or cool", "Coil", "Humidify").
const char* ProcessCaption(ProcessKind kind);

}  // namespace vaporel
