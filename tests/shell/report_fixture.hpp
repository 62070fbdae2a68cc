#pragma once
// Report files for the window's tests: the program's template, filled through the
// same spreadsheet code the "Excel" command uses.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "report/workbook_spreadsheet.hpp"

namespace vaporel::testing {

using Cells = std::vector<std::pair<std::string, std::string>>;

inline QString TemplatePath() { return QStringLiteral(VAPOREL_PROGRAM_DIR "/Vaporel.xls"); }

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes `cells` into the workbook at `path` (edited in place).
inline void EditWorkbook(const QString& path, const Cells& cells) {
  WorkbookSpreadsheet sheet;
  sheet.open(path.toStdString());
  sheet.selectSheet("Vaporel");
  for (const auto& [reference, text] : cells) sheet.setCell(reference, text);
  sheet.save();
}

// A copy of the template at `path` with `cells` written into it.
inline void MakeReport(const QString& path, const Cells& cells) {
  QFile::remove(path);
  QFile::copy(TemplatePath(), path);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  EditWorkbook(path, cells);
}

// Pair 1 at 1.01325 bar, 20 °C and 50 %, as the window shows it.
inline const Cells& Pair1Report() {
  static const Cells cells = {
      {"A5", "Dry bulb temperature [oC] "},
      {"A6", "Relative humidity [%] "},
      {"B4", "1.01325"},
      {"B5", "20"},
      {"B6", "50"},
      {"B9", "1.013"},
      {"B10", "20.000"},
      {"B11", "13.816"},
      {"B12", "9.267"},
      {"B13", "0.00727"},
      {"B14", "1.199"},
      {"B15", "38.524"},
      {"B16", "0.01169"},
      {"B17", "50.000"},
      {"B20", "1.014"},
      {"B21", "0.026"},
      {"B22", "1.803E-05"},
      {"B23", "0.710"},
  };
  return cells;
}

}  // namespace vaporel::testing
