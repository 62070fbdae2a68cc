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

// The workbook module's own checker (check_workbook.py): the whole layout, plus `expected`
// cells (a string: a text cell; a number: a numeric cell). Empty when it agrees, else its complaints.
inline QString CheckWorkbook(const QString& path, const QJsonObject& expected, const QString& scratch) {
  QFile json(scratch);
  if (!json.open(QIODevice::WriteOnly)) return QStringLiteral("cannot write ") + scratch;
  json.write(QJsonDocument(expected).toJson());
  json.close();
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(VAPOREL_CHECK_WORKBOOK), path, QStringLiteral("--expect"), scratch});
  if (!process.waitForFinished(30000)) return QStringLiteral("checker did not finish");
  const QString output = QString::fromUtf8(process.readAll());
  return process.exitCode() == 0 ? QString()
                                 : output + QStringLiteral(" (exit ") + QString::number(process.exitCode()) + ")";
}

}  // namespace vaporel::testing
