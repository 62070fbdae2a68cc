#include "shell/process_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
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
    case ProcessKind::Recover: return "Recover heat";
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
  form_ = form;
  if (request_.kind == ProcessKind::Coil) addCoilWay(form);
  for (const ProcessFigure& figure : FiguresOf(request_.kind)) {
    figureRows_.emplace_back(figure.key, form->rowCount());
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(figure.key.data(), static_cast<qsizetype>(figure.key.size())));
    if (request_.existing && request_.existing->kind() == request_.kind) {
      const FigureReference* r = request_.existing->reference(figure.key);
      edit->setText(r ? QString::fromStdString(r->state + "." + std::string(PropertyName(r->property)))
                      : shown(figure.of(*request_.existing)));
    }
    if (!MayReferToState(figure)) {
      form->addRow(Caption(figure, request_.units), edit);
      continue;
    }
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(stateFigureButton(figure, edit));
    form->addRow(Caption(figure, request_.units), row);
  }
  showCoilWay();
}

// A coil's two ways, one at a time: by its apparatus dew point and bypass factor, or to a
// leaving state (tdb with RH or x, or x with RH).
void ProcessDialog::addCoilWay(QFormLayout* form) {
  coilWay_ = new QComboBox(this);
  coilWay_->setObjectName(QStringLiteral("way"));
  coilWay_->addItems(
      {QStringLiteral("By apparatus dew point and bypass factor"), QStringLiteral("To a leaving state")});
  const auto* existing = request_.existing ? std::get_if<CoilFigures>(&request_.existing->figures) : nullptr;
  const bool leaving = existing && !existing->adp && !existing->bypass;
  coilWay_->setCurrentIndex(leaving ? 1 : 0);
  form->addRow(QStringLiteral("Way"), coilWay_);
  connect(coilWay_, &QComboBox::currentIndexChanged, this, &ProcessDialog::showCoilWay);
}

void ProcessDialog::showCoilWay() {
  if (!coilWay_) return;
  for (const auto& [key, row] : figureRows_) form_->setRowVisible(row, figureShown(key));
}

// Whether a figure's field is part of what the dialog asks (a coil's: of the way chosen).
bool ProcessDialog::figureShown(std::string_view key) const {
  if (!coilWay_) return true;
  const bool byPoint = key == "adp" || key == "bypass";
  return byPoint == (coilWay_->currentIndex() == 0);
}

// "From state ▸ NAME ▸ PROPERTY": the figure taken from a state, each of the figure's kind.
QToolButton* ProcessDialog::stateFigureButton(const ProcessFigure& figure, QLineEdit* edit) {
  auto* button = new QToolButton(this);
  button->setObjectName(edit->objectName() + QStringLiteral("FromState"));
  button->setText(QStringLiteral("From state"));
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  for (const std::string& name : request_.names) {
    QMenu* state = menu->addMenu(QString::fromStdString(name));
    for (const std::string_view property : kStateKeys) {
      if (QuantityOf(*PropertyNamed(property)) != figure.quantity) continue;
      const QString text = QString::fromStdString(name + "." + std::string(property));
      state->addAction(QString::fromUtf8(property.data(), static_cast<qsizetype>(property.size())),
                       [edit, text] { edit->setText(text); });
    }
  }
  button->setMenu(menu);
  return button;
}

QString ProcessDialog::shown(std::optional<double> value) const {
  return value ? QString::fromStdString(numbers_.format(*value, "0.##########")) : QString();
}

// A mix by fractions of the dry-air flow, by volume flows or by dry-air flows: one field per
// state, a state left empty not mixed; with flows, the state chosen for the rest of the flow
// fixed downstream comes last, without a flow of its own.
void ProcessDialog::addFractions(QFormLayout* form) {
  const auto* existing = request_.existing ? std::get_if<MixFigures>(&request_.existing->figures) : nullptr;
  if (existing) mix_ = *existing;
  mixBy_ = new QComboBox(this);
  mixBy_->setObjectName(QStringLiteral("mixBy"));
  mixBy_->addItems({QStringLiteral("fractions of the dry-air flow"), QStringLiteral("volume flows"),
                    QStringLiteral("dry-air flows")});
  mixBy_->setCurrentIndex(!mix_.flows.empty() ? 1 : !mix_.massFlows.empty() ? 2 : 0);
  form->addRow(QStringLiteral("Mix by"), mixBy_);
  const std::vector<double>& values = !mix_.flows.empty()       ? mix_.flows
                                      : !mix_.massFlows.empty() ? mix_.massFlows
                                                                : mix_.fractions;
  const bool takesRest = !mix_.from.empty() && mix_.fractions.empty() && mix_.from.size() > values.size();
  for (const std::string& name : request_.names) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(name));
    const auto at = std::find(mix_.from.begin(), mix_.from.end(), name);
    const auto i = static_cast<std::size_t>(at - mix_.from.begin());
    if (at != mix_.from.end() && i < values.size()) edit->setText(shown(values[i]));
    auto* label = new QLabel(this);
    mixLabels_.push_back(label);
    form->addRow(label, edit);
  }
  rest_ = new QComboBox(this);
  rest_->setObjectName(QStringLiteral("rest"));
  rest_->addItem(QStringLiteral("none"));
  for (const std::string& name : request_.names) rest_->addItem(QString::fromStdString(name));
  if (takesRest) rest_->setCurrentText(QString::fromStdString(mix_.from.back()));
  form->addRow(QStringLiteral("Rest of the flow downstream from"), rest_);
  connect(mixBy_, &QComboBox::currentIndexChanged, this, &ProcessDialog::relabelMix);
  relabelMix();
}

// Each state's field named for what the mix is given by, in its unit.
void ProcessDialog::relabelMix() {
  const int by = mixBy_->currentIndex();
  const QString unit =
      QString::fromUtf8(UnitName(by == 1 ? Quantity::VolumeFlow : Quantity::MassFlow, request_.units).data());
  for (std::size_t i = 0; i < mixLabels_.size(); ++i) {
    const QString name = QString::fromStdString(request_.names[i]);
    mixLabels_[i]->setText(by == 0   ? QStringLiteral("Fraction of %1").arg(name)
                           : by == 1 ? QStringLiteral("Volume flow of %1 [%2]").arg(name, unit)
                                     : QStringLiteral("Dry-air flow of %1 [%2]").arg(name, unit));
  }
  rest_->setEnabled(by != 0);
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
  const int by = mixBy_->currentIndex();
  std::vector<double>& values = by == 1 ? mix.flows : by == 2 ? mix.massFlows : mix.fractions;
  const std::string rest = by != 0 && rest_->currentIndex() > 0 ? rest_->currentText().toStdString() : std::string();
  for (const std::string& name : request_.names) {
    std::optional<double> value;
    if (auto problem = read(QString::fromStdString(name), value)) return problem;
    if (value && name == rest) return "\"" + rest + "\" takes the rest of the flow: leave its flow empty";
    if (value) {
      mix.from.push_back(name);
      values.push_back(*value);
    }
  }
  if (!rest.empty()) mix.from.push_back(rest);
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
    if (!figureShown(figure.key)) continue;
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
