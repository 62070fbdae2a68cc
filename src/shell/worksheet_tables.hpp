#pragma once
// The worksheet's two tables under the chart: the states with their 13 results (a state's name
// renamed in place) and the processes with their loads; under them, while a year of weather is
// laid under the chart, its hours per zone.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "numbers/numbers.hpp"
#include "window/chart/weather_layer.hpp"
#include "window/worksheet/worksheet.hpp"

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace vaporel {

class WorksheetTables : public QWidget {
 public:
  explicit WorksheetTables(QWidget* parent);

  // In the units the window shows.
  void display(const Worksheet& sheet, const Numbers& numbers, UnitSystem units);

  // The year's hours per zone, with its name and counts above them; none: hidden.
  void displayWeather(const WeatherLayer* layer);

  QTableWidget* states() const { return states_; }
  QTableWidget* weather() const { return weather_; }
  QLabel* weatherCaption() const { return weatherCaption_; }
  QTableWidget* processes() const { return processes_; }
  std::optional<std::string> selectedState() const;
  std::optional<std::size_t> selectedProcess() const;

  // A name edited in the states table: the window renames the state, or refuses and the table
  // is shown again as it was.
  std::function<void(const std::string& from, const std::string& to)> onRename;

 private:
  void edited(QTableWidgetItem* item);

  QTableWidget* states_ = nullptr;
  QTableWidget* processes_ = nullptr;
  QLabel* weatherCaption_ = nullptr;
  QTableWidget* weather_ = nullptr;
  bool filling_ = false;
};

}  // namespace vaporel
