#pragma once
// Helpers for tests on real report files: the program's template, byte comparison,
// and the independent reader (python3-xlrd) behind dump_report_sheet.py.

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

namespace vaporel::testing {

inline QString TemplatePath() { return QStringLiteral(VAPOREL_PROGRAM_DIR "/Vaporel.xls"); }

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The workbook as xlrd reads it (see dump_report_sheet.py); an empty object when it failed.
inline QJsonObject ReadWithXlrd(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VAPOREL_DUMP_SCRIPT), path});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

}  // namespace vaporel::testing
