// vaporel-calc --report: the window's report for one state, written from the command line
// through the same report generation, read back by xlrd.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include "report_files.hpp"

namespace vaporel {
namespace {

using testing::ReadBytes;

struct CalcRun {
  int exitCode = -1;
  QString out, err;
};

CalcRun Calc(const QStringList& arguments, const QString& program = QStringLiteral(VAPOREL_CALC)) {
  QProcess process;
  process.start(program, arguments);
  CalcRun run;
  if (!process.waitForFinished(30000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

const QString kFailure =
    "An error ocured while your report was generated.\n"
    "Please check if you have Microsoft Excel installed on your computer.\n";

QStringList Entries(const QString& dir) {
  QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  names.sort();
  return names;
}

// The message ends stderr; the container library may log its own complaint about a damaged file before it.

// State: no OUT.xls yet. Action: --report for pair 3 at 2 bar. Expected: OUT.xls started from
// the template with the pair's captions, and nothing else left in the folder. (That its cells
// are the window's is checked beside the "Excel" command.)
TEST(CalcReport, NewReportStartsFromTheTemplate) {
  QTemporaryDir dir;
  const QString out = dir.path() + "/OUT.xls";
  const CalcRun run = Calc({"--report", out, "3", "2", "30.5", "60"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(Entries(dir.path()), QStringList{"OUT.xls"});

  const QJsonObject cells = testing::ReadWithXlrd(out)["cells"].toObject();
  EXPECT_EQ(cells["A5"].toObject()["value"].toString(), "Dry bulb temperature [oC] ");
  EXPECT_EQ(cells["A6"].toObject()["value"].toString(), "Enthalpy [kJ/kg] ");
  EXPECT_DOUBLE_EQ(cells["B4"].toObject()["value"].toDouble(), 2.0);
  EXPECT_EQ(cells["A1"].toObject()["value"].toString(), "THERMODYNAMIC PROPERTIES OF VAPOREL");
}

// State: an earlier report in OUT.xls. Action: --report for pair 5, twice. Expected: edited in
// place: the new captions (title case for pair 5), and the file does not grow.
TEST(CalcReport, ExistingReportIsEditedInPlace) {
  QTemporaryDir dir;
  const QString out = dir.path() + "/OUT.xls";
  ASSERT_EQ(Calc({"--report", out, "1", "1.01325", "20", "50"}).exitCode, 0);
  ASSERT_EQ(Calc({"--report", out, "5", "1", "25", "0.01"}).exitCode, 0);
  const qint64 size = QFileInfo(out).size();
  ASSERT_EQ(Calc({"--report", out, "5", "1", "25", "0.01"}).exitCode, 0);
  EXPECT_EQ(QFileInfo(out).size(), size);
  const QJsonObject cells = testing::ReadWithXlrd(out)["cells"].toObject();
  EXPECT_EQ(cells["A5"].toObject()["value"].toString(), "Dry Bulb Temperature [oC] ");
  EXPECT_EQ(cells["A6"].toObject()["value"].toString(), "Absolute Humidity [-] ");
  EXPECT_DOUBLE_EQ(cells["B6"].toObject()["value"].toDouble(), 0.01);
}

// State: a comma locale. Action: --report with comma texts. Expected: the texts stored as the
// numbers they are, as a spreadsheet in that locale takes them.
TEST(CalcReport, CommaLocaleTextsBecomeNumbers) {
  QTemporaryDir dir;
  const QString out = dir.path() + "/OUT.xls";
  const CalcRun run = Calc({"--locale", "de_DE.UTF-8", "--report", out, "1", "1,01325", "20,5", "50"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonObject cells = testing::ReadWithXlrd(out)["cells"].toObject();
  EXPECT_DOUBLE_EQ(cells["B4"].toObject()["value"].toDouble(), 1.01325);
  EXPECT_DOUBLE_EQ(cells["B5"].toObject()["value"].toDouble(), 20.5);
  EXPECT_EQ(cells["B9"].toObject()["kind"].toString(), "number");
}

// State: inputs the window refuses. Action: --report. Expected: the refusal as the batch
// calculator gives it (exit 1), and no workbook written.
TEST(CalcReport, RefusedStateWritesNoReport) {
  QTemporaryDir dir;
  const QString out = dir.path() + "/OUT.xls";
  const CalcRun run = Calc({"--report", out, "1", "20", "20", "50"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.startsWith("Invalid entries")) << run.err.toStdString();
  EXPECT_TRUE(Entries(dir.path()).isEmpty());
  EXPECT_EQ(Calc({"--report", out, "--csv"}).exitCode, 2);
}

// State: OUT.xls unusable (a directory, a damaged file, another program's workbook, a
// missing folder) or no template beside the program. Action: --report. Expected: the
// report's message, then the file and the cause; exit 1; nothing changed or left behind.
TEST(CalcReport, WorkbookFailuresPrintTheReportMessageAndTheCause) {
  QTemporaryDir dir;
  const auto failure = [](const QString& file, const QString& cause) {
    return (kFailure + "vaporel-calc: " + file + ": " + cause + "\n").toStdString();
  };
  const QString folder = dir.path() + "/OUT.xls";
  ASSERT_TRUE(QDir().mkpath(folder));
  CalcRun run = Calc({"--report", folder, "1", "1", "20", "50"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.toStdString(), failure(folder, "Is a directory"));
  EXPECT_TRUE(QFileInfo(folder).isDir());

  const QString missingFolder = dir.path() + "/states/summer.xls";
  run = Calc({"--report", missingFolder, "1", "1", "20", "50"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.toStdString(), failure(missingFolder, "No such file or directory"));

  const QByteArray original = ReadBytes(testing::TemplatePath());
  const QString truncated = dir.path() + "/truncated.xls";
  ASSERT_TRUE(testing::WriteBytes(truncated, original.left(3000)));
  run = Calc({"--report", truncated, "1", "1", "20", "50"});
  EXPECT_EQ(run.err.toStdString(),
            failure(truncated, "not a workbook of this program (the file is not a 97-2003 workbook)"));
  EXPECT_EQ(ReadBytes(truncated), original.left(3000));

  QByteArray renamed = original;  // the sheet's name in its BOUNDSHEET record
  renamed[renamed.lastIndexOf("Vaporel") + 6] = '1';
  const QString foreign = dir.path() + "/foreign.xls";
  ASSERT_TRUE(testing::WriteBytes(foreign, renamed));
  run = Calc({"--report", foreign, "1", "1", "20", "50"});
  EXPECT_EQ(run.err.toStdString(), failure(foreign, "not a workbook of this program (no sheet 'Vaporel')"));

  QByteArray overlong = original;  // the sheet's EOF record claims 65535 bytes
  const qsizetype eof = overlong.lastIndexOf(QByteArray("\x0a\x00\x00\x00", 4));
  overlong[eof + 2] = overlong[eof + 3] = '\xff';
  const QString damaged = dir.path() + "/damaged.xls";
  ASSERT_TRUE(testing::WriteBytes(damaged, overlong));
  run = Calc({"--report", damaged, "1", "1", "20", "50"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.endsWith(" runs past the end)\n")) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith(kFailure + "vaporel-calc: " + damaged + ": damaged workbook (record at offset "));

  // A copy of the program in a folder without the template.
  const QString bare = dir.path() + "/bare";
  ASSERT_TRUE(QDir().mkpath(bare));
  ASSERT_TRUE(QFile::copy(QStringLiteral(VAPOREL_CALC), bare + "/vaporel-calc"));
  QFile::setPermissions(bare + "/vaporel-calc", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  run = Calc({"--report", dir.path() + "/new.xls", "1", "1", "20", "50"}, bare + "/vaporel-calc");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.toStdString(), failure(bare + "/Vaporel.xls", "No such file or directory"));
  EXPECT_FALSE(QFileInfo::exists(dir.path() + "/new.xls"));
  EXPECT_EQ(Entries(dir.path()), (QStringList{"OUT.xls", "bare", "damaged.xls", "foreign.xls", "truncated.xls"}));
}

// State: OUT.xls is a report damaged where opening alone does not look (each file of the
// damaged-reports folder). Action: --report. Expected: the report's message and "damaged
// workbook (...)", exit 1, the file byte-identical: never an abort.
TEST(CalcReport, DamagedReportsAreRefusedNotCrashedOn) {
  QTemporaryDir dir;
  for (const QString& name : QDir(VAPOREL_DAMAGED_DIR).entryList(QDir::Files)) {
    SCOPED_TRACE(name.toStdString());
    const QString out = dir.path() + "/" + name;
    ASSERT_TRUE(QFile::copy(QStringLiteral(VAPOREL_DAMAGED_DIR) + "/" + name, out));
    const QByteArray before = ReadBytes(out);
    const CalcRun run = Calc({"--report", out, "1", "1.01325", "20", "50"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(kFailure + "vaporel-calc: " + out + ": damaged workbook ("))
        << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), before);
  }
}

}  // namespace
}  // namespace vaporel
