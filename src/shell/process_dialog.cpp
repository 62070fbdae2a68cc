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
  }
  return "";
}

ProcessDialog::ProcessDialog(QWidget* parent, ProcessRequest request, const Numbers& numbers)
    : QDialog(parent), request_(std::move(request)), numbers_(numbers) {
  setObjectName(QStringLiteral("ProcessDialog"));
  setWindowTitle(QString::fromUtf8(ProcessCaption(request_.kind)));
  auto* form = new QFormLayout;
  if (request_.kind == ProcessKind::Mix) {
    addFractions(form);
  } else {
    from_ = new QComboBox(this);
    from_->setObjectName(QStringLiteral("from"));
    for (const std::string& name : request_.names) from_->addItem(QString::fromStdString(name));
    if (request_.existing) from_->setCurrentText(QString::fromStdString(request_.existing->from().front()));
    form->addRow(QStringLiteral("From"), from_);
  }
  if (request_.kind == ProcessKind::Humidify) {
    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("method"));
    method_->addItems({QStringLiteral("steam"), QStringLiteral("adiabatic")});
    const auto* existing = request_.existing ? std::get_if<HumidifyFigures>(&request_.existing->figures) : nullptr;
    if (existing) method_->setCurrentText(QString::fromStdString(existing->method));
    form->addRow(QStringLiteral("Method"), method_);
  }
  for (const ProcessFigure& figure : FiguresOf(request_.kind)) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(figure.key.data(), static_cast<qsizetype>(figure.key.size())));
    if (request_.existing && request_.existing->kind() == request_.kind)
      edit->setText(shown(figure.of(*request_.existing)));
    form->addRow(Caption(figure, request_.units), edit);
  }
  into_ = new QLineEdit(QString::fromStdString(request_.existing ? request_.existing->into : request_.into), this);
  into_->setObjectName(QStringLiteral("into"));
  form->addRow(QStringLiteral("Into state"), into_);
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

QString ProcessDialog::shown(std::optional<double> value) const {
  return value ? QString::fromStdString(numbers_.format(*value, "0.##########")) : QString();
}

// One fraction per state; a state left empty is not mixed.
void ProcessDialog::addFractions(QFormLayout* form) {
  for (const std::string& name : request_.names) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(name));
    if (const auto* existing = request_.existing ? std::get_if<MixFigures>(&request_.existing->figures) : nullptr) {
      const auto at = std::find(existing->from.begin(), existing->from.end(), name);
      if (at != existing->from.end()) {
        edit->setText(shown(existing->fractions[static_cast<std::size_t>(at - existing->from.begin())]));
      }
    }
    form->addRow(QStringLiteral("Fraction of ") + QString::fromStdString(name), edit);
  }
}

QLineEdit* ProcessDialog::field(const QString& key) const { return findChild<QLineEdit*>(key); }

std::variant<ProcessInput, std::string> ProcessDialog::input() const {
  ProcessInput p = ProcessOfKind(request_.kind);
  // A typed figure in the worksheet's units; empty is not given.
  const auto read = [&](const QString& key, std::optional<double>& value) -> std::optional<std::string> {
    const std::string text = field(key)->text().trimmed().toStdString();
    if (text.empty()) return std::nullopt;
    const auto number = numbers_.parse(text);
    if (!number) return "\"" + key.toStdString() + "\" must be a number";
    value = number;
    return std::nullopt;
  };
  if (auto* mix = std::get_if<MixFigures>(&p.figures)) {
    for (const std::string& name : request_.names) {
      std::optional<double> fraction;
      if (auto problem = read(QString::fromStdString(name), fraction)) return *problem;
      if (!fraction) continue;
      mix->from.push_back(name);
      mix->fractions.push_back(*fraction);
    }
  } else {
    *p.source() = from_->currentText().toStdString();
  }
  if (auto* humidifier = std::get_if<HumidifyFigures>(&p.figures))
    humidifier->method = method_->currentText().toStdString();
  for (const ProcessFigure& figure : FiguresOf(p.kind())) {
    const QString key = QString::fromUtf8(figure.key.data(), static_cast<qsizetype>(figure.key.size()));
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
