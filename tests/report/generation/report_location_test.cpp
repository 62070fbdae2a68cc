// Where the report lives: beside the program, or a per-user copy seeded from the
// installed template when the program's folder cannot be written.

#include "report/report_location.hpp"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace vaporel {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(ReportLocation, ProgramFolderPathAppendsTheFileNameOnly) {
  EXPECT_EQ(ProgramReportPath("/opt/vaporel"), "/opt/vaporel/Vaporel.xls");
}

// State: a writable program folder. Expected: its own file, the data folder untouched.
TEST(ReportLocation, WritableInstallKeepsTheReportBesideTheProgram) {
  QTemporaryDir dir;
  const std::string program = (dir.path() + "/bin").toStdString();
  const std::string data = (dir.path() + "/data").toStdString();
  EXPECT_EQ(ReportPathFor(program, true, data), program + "/Vaporel.xls");
  EXPECT_FALSE(QFile::exists(dir.path() + "/data"));
}

// State: a read-only install holding the template. Action: first and second report.
// Expected: the user's copy is seeded once, then kept (a later report is not reset).
TEST(ReportLocation, ReadOnlyInstallSeedsTheUsersCopyOnce) {
  QTemporaryDir dir;
  const QString program = dir.path() + "/bin";
  const QString data = dir.path() + "/data/Vaporel";
  QDir().mkpath(program);
  WriteAll(program + "/Vaporel.xls", "template bytes");

  const std::string path = ReportPathFor(program.toStdString(), false, data.toStdString());
  EXPECT_EQ(path, (data + "/Vaporel.xls").toStdString());
  EXPECT_EQ(ReadAll(data + "/Vaporel.xls"), "template bytes");

  WriteAll(data + "/Vaporel.xls", "last report");
  EXPECT_EQ(ReportPathFor(program.toStdString(), false, data.toStdString()), path);
  EXPECT_EQ(ReadAll(data + "/Vaporel.xls"), "last report");
}

// State: a read-only install without its template. Expected: the path is returned and no
// file is made up (opening it then fails with the report's message).
TEST(ReportLocation, MissingTemplateSeedsNothing) {
  QTemporaryDir dir;
  const QString data = dir.path() + "/data";
  ReportPathFor((dir.path() + "/bin").toStdString(), false, data.toStdString());
  EXPECT_FALSE(QFile::exists(data + "/Vaporel.xls"));
}

// The copy replaces a destination whole, and a destination it cannot replace (a
// directory in its place, a folder path through a regular file) stays as it was.
TEST(CopyFileWhole, OverwritesAndRefusesCleanly) {
  QTemporaryDir dir;
  const QString from = dir.path() + "/from.xls";
  WriteAll(from, QByteArray(100000, 'r'));
  const QString to = dir.path() + "/to.xls";
  WriteAll(to, "old");
  EXPECT_TRUE(CopyFileWhole(from.toStdString(), to.toStdString()));
  EXPECT_EQ(ReadAll(to), ReadAll(from));

  QDir().mkpath(dir.path() + "/adir.xls");
  EXPECT_FALSE(CopyFileWhole(from.toStdString(), (dir.path() + "/adir.xls").toStdString()));
  EXPECT_TRUE(QFileInfo(dir.path() + "/adir.xls").isDir());
  EXPECT_FALSE(CopyFileWhole(from.toStdString(), (to + "/inside.xls").toStdString()));
  EXPECT_EQ(ReadAll(to), ReadAll(from));
  EXPECT_FALSE(CopyFileWhole((dir.path() + "/missing.xls").toStdString(), to.toStdString()));
  EXPECT_EQ(ReadAll(to), ReadAll(from));
}

}  // namespace
}  // namespace vaporel
