#include "shell/worksheet_services.hpp"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>

namespace vaporel {
namespace {

constexpr const char* kProjectFilter = "Vaporel project (*.vaporel.toml *.toml);;All files (*)";

std::optional<QString> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path;
}

// State, amount and unit; an empty amount takes the air flow away.
std::optional<AirFlowInput> AirFlowDialog(QWidget* parent, const std::vector<std::string>& names,
                                          const std::optional<AirFlowInput>& current, UnitSystem units,
                                          const Numbers& numbers) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Air flow"));
  auto* state = new QComboBox(&dialog);
  for (const std::string& name : names) state->addItem(QString::fromStdString(name));
  auto* amount = new QLineEdit(&dialog);
  auto* unit = new QComboBox(&dialog);
  unit->setObjectName(QStringLiteral("unit"));
  amount->setObjectName(QStringLiteral("amount"));
  unit->addItems({QString::fromUtf8(UnitName(Quantity::VolumeFlow, units).data()) + QStringLiteral(" of humid air"),
                  QString::fromUtf8(UnitName(Quantity::MassFlow, units).data()) + QStringLiteral(" of dry air")});
  if (current) {
    state->setCurrentText(QString::fromStdString(current->state));
    const double value = current->volume.value_or(current->mass.value_or(0));
    amount->setText(QString::fromStdString(numbers.format(value, "0.##########")));
    unit->setCurrentIndex(current->mass ? 1 : 0);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QStringLiteral("At state"), state);
  form->addRow(QStringLiteral("Air flow (empty: none)"), amount);
  form->addRow(QStringLiteral("Unit"), unit);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  AirFlowInput flow{state->currentText().toStdString(), std::nullopt, std::nullopt, {}};
  const auto value = numbers.parse(amount->text().trimmed().toStdString());
  if (value) (unit->currentIndex() == 1 ? flow.mass : flow.volume) = value;
  return flow;
}

}  // namespace

WorksheetServices DesktopWorksheetServices(const Numbers& numbers) {
  WorksheetServices services;
  services.chooseProject = [](QWidget* parent, const QString& folder) {
    return Chosen(QFileDialog::getOpenFileName(parent, QStringLiteral("Open project"), folder,
                                               QString::fromUtf8(kProjectFilter)));
  };
  services.chooseWeather = [](QWidget* parent, const QString& folder) {
    return Chosen(QFileDialog::getOpenFileName(parent, QStringLiteral("Open weather file"), folder,
                                               QStringLiteral("Weather files (*.epw *.csv);;All files (*)")));
  };
  services.chooseProjectTarget = [](QWidget* parent, const QString& suggested) {
    return Chosen(QFileDialog::getSaveFileName(parent, QStringLiteral("Save project"), suggested,
                                               QString::fromUtf8(kProjectFilter)));
  };
  services.askUnsaved = [](QWidget* parent) {
    const auto answer = QMessageBox::question(
        parent, QStringLiteral("Unsaved changes"), QStringLiteral("The worksheet has changes. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save      ? UnsavedAnswer::Save
           : answer == QMessageBox::Discard ? UnsavedAnswer::Discard
                                            : UnsavedAnswer::Cancel;
  };
  services.editProcess = [&numbers](QWidget* parent, const ProcessRequest& request) -> std::optional<ProcessInput> {
    ProcessDialog dialog(parent, request, numbers);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return std::get<ProcessInput>(dialog.input());
  };
  services.editAirFlow = [&numbers](QWidget* parent, const std::vector<std::string>& names,
                                    const std::optional<AirFlowInput>& current,
                                    UnitSystem units) { return AirFlowDialog(parent, names, current, units, numbers); };
  return services;
}

}  // namespace vaporel
