#include "shell/worksheet_tables.hpp"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vaporel {
namespace {

constexpr int kNameRole = Qt::UserRole;  // the name a state had when the table was filled

QTableWidget* Table(QWidget* parent, const char* name) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(QString::fromUtf8(name));
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->hide();
  // Compact rows, whatever the style's default.
  table->verticalHeader()->setMinimumSectionSize(table->fontMetrics().height() + 4);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

void Fill(QTableWidget* table, const TextTable& text, bool namesEditable) {
  table->clear();
  table->setColumnCount(static_cast<int>(text.header.size()));
  table->setRowCount(static_cast<int>(text.rows.size()));
  QStringList header;
  for (const std::string& h : text.header) header << QString::fromStdString(h);
  table->setHorizontalHeaderLabels(header);
  for (std::size_t r = 0; r < text.rows.size(); ++r) {
    for (std::size_t c = 0; c < text.rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(text.rows[r][c]));
      Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
      if (c == 0 && namesEditable) {
        flags |= Qt::ItemIsEditable;
        item->setData(kNameRole, item->text());
      }
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setFlags(flags);
      table->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
}

}  // namespace

WorksheetTables::WorksheetTables(QWidget* parent) : QWidget(parent) {
  states_ = Table(this, "States");
  processes_ = Table(this, "Processes");
  weatherCaption_ = new QLabel(this);
  weatherCaption_->setObjectName(QStringLiteral("WeatherCaption"));
  weather_ = Table(this, "Weather");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(states_, 1);
  layout->addWidget(processes_, 1);
  layout->addWidget(weatherCaption_);
  layout->addWidget(weather_);
  displayWeather(nullptr);
  connect(states_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { edited(item); });
}

void WorksheetTables::display(const Worksheet& sheet, const Numbers& numbers, UnitSystem units) {
  filling_ = true;
  Fill(states_, sheet.statesTable(numbers, units), true);
  Fill(processes_, sheet.processesTable(numbers, units), false);
  filling_ = false;
}

void WorksheetTables::displayWeather(const WeatherLayer* layer) {
  weatherCaption_->setVisible(layer != nullptr);
  weather_->setVisible(layer != nullptr);
  if (layer == nullptr) return;
  weatherCaption_->setText(QString::fromStdString("Hours per zone: " + WeatherCaption(*layer)));
  Fill(weather_, WeatherZoneTable(*layer), false);
  // As tall as its rows, so that the worksheet's tables keep the room.
  weather_->setMaximumHeight(weather_->horizontalHeader()->sizeHint().height() +
                             weather_->verticalHeader()->defaultSectionSize() * std::max(1, weather_->rowCount()) +
                             2 * weather_->frameWidth());
}

void WorksheetTables::edited(QTableWidgetItem* item) {
  if (filling_ || item->column() != 0 || !onRename) return;
  const std::string from = item->data(kNameRole).toString().toStdString();
  const std::string to = item->text().trimmed().toStdString();
  if (from != to) onRename(from, to);
}

std::optional<std::string> WorksheetTables::selectedState() const {
  const int row = states_->currentRow();
  if (row < 0 || states_->selectedItems().isEmpty()) return std::nullopt;
  return states_->item(row, 0)->data(kNameRole).toString().toStdString();
}

std::optional<std::size_t> WorksheetTables::selectedProcess() const {
  const int row = processes_->currentRow();
  if (row < 0 || processes_->selectedItems().isEmpty()) return std::nullopt;
  return static_cast<std::size_t>(row);
}

}  // namespace vaporel
