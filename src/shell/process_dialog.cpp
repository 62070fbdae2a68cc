#include "shell/process_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "project/project_keys.hpp"

namespace vaporel {
namespace {

QString Caption(const ProcessFigure& figure, UnitSystem units) {
  return QString::fromUtf8(figure.caption.data(), static_cast<qsizetype>(figure.caption.size())) +
         QStringLiteral(" [") + QString::fromUtf8(UnitName(figure.quantity, units).data()) + QStringLiteral("]");
}

}  // namespace

const char* ProcessCaption(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Mix: return "Mix";
    case ProcessKind::Heat: return "Heat or cool";
    case ProcessKind::Coil: return "Coil";
    case ProcessKind::Humidify: return "Humidify";
    case ProcessKind::Space: return "Supply air for a room";
  }
  return "";
}

ProcessDialog::ProcessDialog(QWidget* parent, ProcessRequest request, const Numbers& numbers)
    : QDialog(parent), request_(std::move(request)), numbers_(numbers) {
  setObjectName(QStringLiteral("ProcessDialog"));
  setWindowTitle(QString::fromUtf8(ProcessCaption(request_.kind)));
  auto* form = new QFormLayout;
  addFrom(form);
  if (request_.kind == ProcessKind::Humidify) {
    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("method"));
    method_->addItems({QStringLiteral("steam"), QStringLiteral("adiabatic")});
    const auto* existing = request_.existing ? std::get_if<HumidifyFigures>(&request_.existing->figures) : nullptr;
    if (existing) method_->setCurrentText(QString::fromStdString(existing->method));
    form->addRow(QStringLiteral("Method"), method_);
  }
  addFigures(form);
  into_ = new QLineEdit(QString::fromStdString(request_.existing ? request_.existing->into : request_.into), this);
  into_->setObjectName(QStringLiteral("into"));
  form->addRow(
      request_.kind == ProcessKind::Recover ? QStringLiteral("Supply side into state") : QStringLiteral("Into state"),
      into_);
  if (request_.kind == ProcessKind::Recover) {
    exhaustInto_ = new QLineEdit(
        QString::fromStdString(recover_.exhaustInto.empty() ? request_.into + "-exhaust" : recover_.exhaustInto), this);
    exhaustInto_->setObjectName(QStringLiteral("exhaustInto"));
    form->addRow(QStringLiteral("Exhaust side into state"), exhaustInto_);
  }
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("Problem"));
  problem_->setStyleSheet(QStringLiteral("color: #b00000"));
  problem_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ProcessDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ProcessDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
}

// The states it starts from: a choice of the states there are (a mix's: its fractions or flows).
void ProcessDialog::addFrom(QFormLayout* form) {
  const std::vector<std::string> from = request_.existing ? request_.existing->from() : std::vector<std::string>{};
  const auto stateBox = [&](const QString& objectName, const QString& caption, std::size_t given) {
    auto* box = new QComboBox(this);
    box->setObjectName(objectName);
    for (const std::string& name : request_.names) box->addItem(QString::fromStdString(name));
    if (given < from.size()) box->setCurrentText(QString::fromStdString(from[given]));
    form->addRow(caption, box);
    return box;
  };
  if (request_.kind == ProcessKind::Mix) {
    addFractions(form);
  } else if (request_.kind == ProcessKind::Recover) {
    if (const auto* existing = request_.existing ? std::get_if<RecoverFigures>(&request_.existing->figures) : nullptr) {
      recover_ = *existing;
    }
    from_ = stateBox(QStringLiteral("from"), QStringLiteral("Supply side from"), 0);
    exhaustFrom_ = stateBox(QStringLiteral("exhaustFrom"), QStringLiteral("Exhaust side from"), 1);
  } else {
    from_ = stateBox(QStringLiteral("from"),
                     request_.kind == ProcessKind::Space ? QStringLiteral("Room") : QStringLiteral("From"), 0);
  }
}

// Each figure of the kind: a number in the worksheet's units, or a state's property.
void ProcessDialog::addFigures(QFormLayout* form) {
  for (const ProcessFigure& figure : FiguresOf(request_.kind)) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(figure.key.data(), static_cast<qsizetype>(figure.key.size())));
    if (request_.existing && request_.existing->kind() == request_.kind) {
      const FigureReference* r = request_.existing->reference(figure.key);
      edit->setText(r ? QString::fromStdString(r->state + "." + std::string(PropertyName(r->property)))
                      : shown(figure.of(*request_.existing)));
    }
    form->addRow(Caption(figure, request_.units), edit);
  }
}

QString ProcessDialog::shown(std::optional<double> value) const {
  return value ? QString::fromStdString(numbers_.format(*value, "0.##########")) : QString();
}

// One fraction per state (or, for a mix given by its flows, one flow); a state left empty is
// not mixed. A mix by flows whose last state takes the rest shows that state's field empty.
void ProcessDialog::addFractions(QFormLayout* form) {
  const auto* existing = request_.existing ? std::get_if<MixFigures>(&request_.existing->figures) : nullptr;
  if (existing) mix_ = *existing;
  const std::vector<double>& values = !mix_.flows.empty()       ? mix_.flows
                                      : !mix_.massFlows.empty() ? mix_.massFlows
                                                                : mix_.fractions;
  const QString caption = !mix_.flows.empty()       ? QStringLiteral("Volume flow of %1 [%2]")
                          : !mix_.massFlows.empty() ? QStringLiteral("Dry-air flow of %1 [%2]")
                                                    : QStringLiteral("Fraction of %1");
  const Quantity quantity = !mix_.flows.empty() ? Quantity::VolumeFlow : Quantity::MassFlow;
  for (const std::string& name : request_.names) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(name));
    const auto at = std::find(mix_.from.begin(), mix_.from.end(), name);
    const auto i = static_cast<std::size_t>(at - mix_.from.begin());
    if (at != mix_.from.end() && i < values.size()) edit->setText(shown(values[i]));
    form->addRow(
        caption.arg(QString::fromStdString(name), QString::fromUtf8(UnitName(quantity, request_.units).data())), edit);
  }
}

QLineEdit* ProcessDialog::field(const QString& key) const { return findChild<QLineEdit*>(key); }

// A figure's field that names a state's property ("supply.x") rather than a number.
std::optional<FigureReference> ProcessDialog::referenceIn(const ProcessFigure& figure) const {
  if (!MayReferToState(figure)) return std::nullopt;
  const QString key = QString::fromUtf8(figure.key.data(), static_cast<qsizetype>(figure.key.size()));
  const std::string text = field(key)->text().trimmed().toStdString();
  const std::size_t dot = text.rfind('.');
  if (dot == std::string::npos || dot == 0) return std::nullopt;
  const auto property = PropertyNamed(std::string_view(text).substr(dot + 1));
  const std::string state = text.substr(0, dot);
  if (!property || std::find(request_.names.begin(), request_.names.end(), state) == request_.names.end()) {
    return std::nullopt;
  }
  return FigureReference{std::string(figure.key), state, *property};
}

// A typed figure in the worksheet's units; empty is not given.
std::optional<std::string> ProcessDialog::read(const QString& key, std::optional<double>& value) const {
  const std::string text = field(key)->text().trimmed().toStdString();
  if (text.empty()) return std::nullopt;
  const auto number = numbers_.parse(text);
  if (!number) return "\"" + key.toStdString() + "\" must be a number";
  value = number;
  return std::nullopt;
}

std::optional<std::string> ProcessDialog::readMix(MixFigures& mix) const {
  std::vector<double>& values = !mix_.flows.empty()       ? mix.flows
                                : !mix_.massFlows.empty() ? mix.massFlows
                                                          : mix.fractions;
  // The state that takes the rest of a mix by flows stays last, without a flow.
  const std::size_t flows = mix_.flows.size() + mix_.massFlows.size();
  const std::string restOf = flows > 0 && mix_.from.size() > flows ? mix_.from.back() : std::string();
  std::optional<std::string> rest;
  for (const std::string& name : request_.names) {
    std::optional<double> value;
    if (auto problem = read(QString::fromStdString(name), value)) return problem;
    if (value) {
      mix.from.push_back(name);
      values.push_back(*value);
    } else if (!restOf.empty() && name == restOf) {
      rest = name;
    }
  }
  if (rest) mix.from.push_back(*rest);
  return std::nullopt;
}

std::variant<ProcessInput, std::string> ProcessDialog::input() const {
  ProcessInput p = ProcessOfKind(request_.kind);
  if (auto* mix = std::get_if<MixFigures>(&p.figures)) {
    if (auto problem = readMix(*mix)) return *problem;
  } else if (auto* recover = std::get_if<RecoverFigures>(&p.figures)) {
    *recover = recover_;  // its flows as the file gives them
    recover->from = {from_->currentText().toStdString(), exhaustFrom_->currentText().toStdString()};
    recover->exhaustInto = exhaustInto_->text().trimmed().toStdString();
  } else {
    *p.source() = from_->currentText().toStdString();
  }
  if (auto* humidifier = std::get_if<HumidifyFigures>(&p.figures))
    humidifier->method = method_->currentText().toStdString();
  for (const ProcessFigure& figure : FiguresOf(p.kind())) {
    const QString key = QString::fromUtf8(figure.key.data(), static_cast<qsizetype>(figure.key.size()));
    if (auto r = referenceIn(figure)) {
      p.references.push_back(*r);
      continue;
    }
    if (auto problem = read(key, figure.of(p))) return *problem;
  }
  p.into = into_->text().trimmed().toStdString();
  return p;
}

void ProcessDialog::accept() {
  const auto made = input();
  if (const auto* problem = std::get_if<std::string>(&made)) {
    problem_->setText(QString::fromStdString(*problem));
    return;
  }
  if (request_.check) {
    if (const EditRefusal refusal = request_.check(std::get<ProcessInput>(made))) {
      problem_->setText(QString::fromStdString(*refusal));
      return;
    }
  }
  QDialog::accept();
}

}  // namespace vaporel
