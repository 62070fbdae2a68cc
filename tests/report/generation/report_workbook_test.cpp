// Reports written into real workbook files and read back by an independent reader
// (python3-xlrd), and the failure path on real broken files: the old file survives
// byte for byte and the user sees the report's message.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <ostream>

#include "report/report_generation.hpp"
#include "report/workbook_spreadsheet.hpp"
#include "report_files.hpp"
#include "support/recording_platform.hpp"
#include "window/report/excel_command.hpp"
#include "window/report/report_content_of.hpp"

namespace vaporel {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class CountingWindow : public ReportWindow {
 public:
  int shown = 0;
  bool showReport(const std::string&) override {
    ++shown;
    return true;
  }
};

struct PairCase {
  int pair;
  const char* label7;
  const char* label8;
  const char* fields[3];    // Text2, Text3, Text4
  const char* results[13];  // l7 .. l19
};

// One calculated state per input pair, with the texts the window shows for it.
const PairCase kPairs[] = {
    {1,
     "Dry bulb temperature [oC] ",
     "Relative humidity [%] ",
     {"1.01325", "20", "50"},
     {"1.013", "20.000", "13.816", "9.267", "0.00727", "1.199", "38.524", "0.01169", "50.000", "1.014", "0.026",
      "1.803E-05", "0.710"}},
    {2,
     "Dry bulb temperature [oC] ",
     "Wet bulb temperature [oC] ",
     {"1", "25", "18.5"},
     {"1.000", "25.000", "18.500", "15.630", "0.01111", "1.150", "53.445", "0.01754", "55.319", "1.019", "0.026",
      "1.817E-05", "0.710"}},
    {3,
     "Dry bulb temperature [oC] ",
     "Enthalpy [kJ/kg] ",
     {"2", "30.5", "60"},
     {"2.000", "30.500", "18.712", "14.001", "0.00578", "2.287", "45.472", "0.01843", "42.051", "1.011", "0.027",
      "1.843E-05", "0.709"}},
    {4,
     "Absolute humidity [-] ",
     "Enthalpy [kJ/kg] ",
     {"1.5", "0.008", "45"},
     {"1.500", "24.484", "16.205", "7.940", "0.00800", "1.737", "45.000", "0.01889", "24.615", "1.016", "0.026",
      "1.815E-05", "0.710"}},
    {5,
     "Dry Bulb Temperature [oC] ",
     "Absolute Humidity [-] ",
     {"0.9", "-5", "0.001"},
     {"0.900", "-5.000", "-6.108", "-9.210", "0.00100", "1.167", "-2.528", "0.00145", "34.870", "1.006", "0.024",
      "1.672E-05", "0.717"}},
};

void PrintTo(const PairCase& c, std::ostream* os) { *os << "pair " << c.pair; }

MainWindowModel ModelFor(const PairCase& c) {
  MainWindowModel model;
  model["Label7"].text = c.label7;
  model["Label8"].text = c.label8;
  model["Text2"].text = c.fields[0];
  model["Text3"].text = c.fields[1];
  model["Text4"].text = c.fields[2];
  for (int i = 0; i < 13; ++i) model["l" + std::to_string(7 + i)].text = c.results[i];
  return model;
}

// A text a spreadsheet takes as a number: the whole text parses as a decimal.
std::optional<double> AsNumber(const std::string& text) {
  if (text.empty() || text.find_first_of(" \t") != std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  return *end == '\0' ? std::optional<double>(v) : std::nullopt;
}

class ReportFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    report_ = dir_.path() + "/Vaporel.xls";
    ASSERT_TRUE(QFile::copy(testing::TemplatePath(), report_)) << "template missing";
    QFile::setPermissions(report_, QFile::ReadOwner | QFile::WriteOwner);
  }

  bool generate(MainWindowModel& model, const QString& path) {
    WorkbookSpreadsheet sheet;
    return GenerateReport(model, platform_, sheet, window_, path.toStdString());
  }

  void expectReportFailure() {
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].title, "ERROR");
    EXPECT_EQ(platform_.messages[0].text,
              "An error ocured while your report was generated.\r\n"
              "Please check if you have Microsoft Excel installed on your computer.");
    EXPECT_EQ(platform_.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(window_.shown, 0);
  }

  QTemporaryDir dir_;
  QString report_;
  testing::RecordingPlatform platform_;
  CountingWindow window_;
};

class ReportPerPair : public ReportFileTest, public ::testing::WithParamInterface<PairCase> {};

// State: the template, a calculated window for one input pair. Action: Excel. Expected:
// xlrd reads the one worksheet "Vaporel" with the 18 cells written (numbers where the text
// is a number, strings otherwise), every format, font, fill, merge, width, height and the
// print area of the template kept, and the row texts untouched.
TEST_P(ReportPerPair, IndependentReaderAgreesWithEveryCell) {
  const PairCase& c = GetParam();
  MainWindowModel model = ModelFor(c);
  ASSERT_TRUE(generate(model, report_));
  EXPECT_EQ(window_.shown, 1);
  EXPECT_TRUE(platform_.messages.empty());

  // The workbook module's checker agrees on the layout and on every written cell.
  QJsonObject expected;
  const ReportContent content = ReportContentOf(model);
  const auto texts = ReportCellTexts(content);
  for (std::size_t i = 0; i < kReportCells.size(); ++i) {
    const std::string text(texts[i]);
    const QString reference = QString::fromUtf8(kReportCells[i].data(), static_cast<qsizetype>(kReportCells[i].size()));
    const auto number = AsNumber(text);
    expected[reference] = number ? QJsonValue(*number) : QJsonValue(QString::fromStdString(text));
  }
  EXPECT_EQ(testing::CheckWorkbook(report_, expected, dir_.path() + "/expected.json").toStdString(), "");

  const QJsonObject book = testing::ReadWithXlrd(report_);
  ASSERT_FALSE(book.isEmpty()) << "xlrd could not read the report";
  EXPECT_EQ(book["sheets"].toArray(), QJsonArray({"Vaporel"}));
  const QJsonObject cells = book["cells"].toObject();

  for (std::size_t i = 0; i < kReportCells.size(); ++i) {
    const std::string text(texts[i]);
    const std::string_view reference = kReportCells[i];
    const QJsonObject cell =
        cells[QString::fromUtf8(reference.data(), static_cast<qsizetype>(reference.size()))].toObject();
    SCOPED_TRACE(std::string(reference));
    if (const auto number = AsNumber(text)) {
      EXPECT_EQ(cell["kind"].toString(), "number");
      EXPECT_DOUBLE_EQ(cell["value"].toDouble(), *number);
    } else {
      EXPECT_EQ(cell["kind"].toString(), "text");
      EXPECT_EQ(cell["value"].toString().toStdString(), text);
    }
    const QString format = reference == "B11" || reference == "B12" ? "0.00"
                           : reference == "B22"                     ? "0.00E+00"
                                                                    : "General";
    EXPECT_EQ(cell["format"].toString(), format);
    const QJsonObject font = cell["font"].toObject();
    EXPECT_EQ(font["name"].toString(), "Verdana");
    EXPECT_EQ(font["height"].toInt(), 200);
    EXPECT_FALSE(font["bold"].toBool());
    EXPECT_EQ(cell["fill"].toObject()["pattern"].toInt(), 0);
    EXPECT_EQ(cell["halign"].toInt(), 2);  // centred
    EXPECT_EQ(cell["valign"].toInt(), 1);  // vertically centred
  }

  // What the report does not write stays as the template has it.
  const std::pair<const char*, const char*> rowTexts[] = {{"A1", "THERMODYNAMIC PROPERTIES OF VAPOREL"},
                                                          {"A2", "(WITH A BASIC THERMOPHYSICAL PROPERTIES)"},
                                                          {"A3", "INPUT DATA"},
                                                          {"A4", "Absolute pressure, Pa  [bar] "},
                                                          {"A8", "OUTPUT OF CALCULATION"},
                                                          {"A12", "Dew point  temperature, tdp  [oC]"},
                                                          {"A19", " THERMOPHYSICAL PROPERTIES"},
                                                          {"A20", "Specific Heat, cp  [kJ/kg]"},
                                                          {"A23", "Prandtl Number, Pr  [-]"}};
  for (const auto& [reference, text] : rowTexts) {
    EXPECT_EQ(cells[reference].toObject()["value"].toString(), text) << reference;
  }
  const QJsonObject a1 = cells["A1"].toObject();
  EXPECT_EQ(a1["font"].toObject()["height"].toInt(), 240);
  EXPECT_TRUE(a1["font"].toObject()["bold"].toBool());
  const QJsonObject a3 = cells["A3"].toObject();
  EXPECT_EQ(a3["fill"].toObject()["pattern"].toInt(), 1);
  EXPECT_EQ(a3["fill"].toObject()["colour"].toArray(), QJsonArray({128, 128, 128}));
  EXPECT_EQ(a3["font"].toObject()["colour"].toArray(), QJsonArray({255, 255, 255}));
  EXPECT_EQ(cells["B3"].toObject()["fill"].toObject()["colour"].toArray(), QJsonArray({192, 192, 192}));
  EXPECT_EQ(cells["C22"].toObject()["format"].toString(), "0.00E+00");

  EXPECT_EQ(book["merged"].toArray(), QJsonArray({QJsonArray{0, 1, 0, 2}, QJsonArray{1, 2, 0, 2},
                                                  QJsonArray{6, 7, 0, 2}, QJsonArray{17, 18, 0, 2}}));
  const QJsonObject widths = book["widths"].toObject();
  EXPECT_EQ(widths["A"].toInt(), 10459);
  EXPECT_EQ(widths["B"].toInt(), 5083);
  EXPECT_EQ(widths["C"].toInt(), 3254);
  EXPECT_EQ(widths["K"].toInt(), 3254);
  const QJsonObject heights = book["heights"].toObject();
  for (int row = 1; row <= 23; ++row) {
    EXPECT_EQ(heights[QString::number(row)].toInt(), row <= 2 ? 375 : 300) << "row " << row;
  }
  const QJsonObject area = book["print_area"].toObject();
  EXPECT_EQ(area["rows"].toArray(), QJsonArray({0, 23}));
  EXPECT_EQ(area["cols"].toArray(), QJsonArray({0, 2}));
  EXPECT_EQ(area["scope"].toInt(), 0);
}

INSTANTIATE_TEST_SUITE_P(EachInputPair, ReportPerPair, ::testing::ValuesIn(kPairs),
                         [](const auto& test) { return "pair" + std::to_string(test.param.pair); });

// State: a report already written. Action: a second report for another pair. Expected: the
// file is edited in place: it keeps only the newer texts and does not grow.
TEST_F(ReportFileTest, SecondReportReplacesTheFirst) {
  MainWindowModel first = ModelFor(kPairs[0]);
  ASSERT_TRUE(generate(first, report_));
  const qint64 size = QFileInfo(report_).size();
  MainWindowModel second = ModelFor(kPairs[3]);
  ASSERT_TRUE(generate(second, report_));
  MainWindowModel again = ModelFor(kPairs[3]);
  ASSERT_TRUE(generate(again, report_));
  EXPECT_LE(QFileInfo(report_).size(), size + 512);
  const QJsonObject cells = testing::ReadWithXlrd(report_)["cells"].toObject();
  EXPECT_EQ(cells["A5"].toObject()["value"].toString(), "Absolute humidity [-] ");
  EXPECT_DOUBLE_EQ(cells["B5"].toObject()["value"].toDouble(), 0.008);
}

// The ways a report file can be unusable, each made real on disk.
enum class Broken { Missing, DirectoryInPlace, FolderIsAFile, Truncated, NoReportSheet, NotAWorkbook };

void PrintTo(Broken b, std::ostream* os) {
  switch (b) {
    case Broken::Missing: *os << "Missing"; return;
    case Broken::DirectoryInPlace: *os << "DirectoryInPlace"; return;
    case Broken::FolderIsAFile: *os << "FolderIsAFile"; return;
    case Broken::Truncated: *os << "Truncated"; return;
    case Broken::NoReportSheet: *os << "NoReportSheet"; return;
    case Broken::NotAWorkbook: *os << "NotAWorkbook"; return;
  }
}

class ReportFailure : public ReportFileTest, public ::testing::WithParamInterface<Broken> {};

// State: a report file that cannot be used. Action: Excel. Expected: the report's message,
// no report window, and whatever stood at the path is left exactly as it was.
TEST_P(ReportFailure, ShowsTheMessageAndLeavesTheFileAlone) {
  QString path = report_;
  const QByteArray original = ReadBytes(report_);
  switch (GetParam()) {
    case Broken::Missing: QFile::remove(report_); break;
    case Broken::DirectoryInPlace:
      QFile::remove(report_);
      ASSERT_TRUE(QDir().mkpath(report_));
      break;
    case Broken::FolderIsAFile: path = report_ + "/Vaporel.xls"; break;
    case Broken::Truncated: ASSERT_TRUE(WriteBytes(report_, original.left(original.size() * 2 / 3))); break;
    case Broken::NoReportSheet: {
      QByteArray renamed = original;
      renamed.replace("Vaporel", "Vapxrel");  // the sheet's name only; the layout keeps its size
      ASSERT_TRUE(WriteBytes(report_, renamed));
      break;
    }
    case Broken::NotAWorkbook:
      ASSERT_TRUE(WriteBytes(report_, QByteArray("THERMODYNAMIC PROPERTIES\r\n").repeated(300)));
      break;
  }
  const QByteArray before = ReadBytes(report_);
  const QStringList entriesBefore = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  MainWindowModel model = ModelFor(kPairs[0]);

  EXPECT_FALSE(generate(model, path));

  expectReportFailure();
  EXPECT_FALSE(model.busyPointer);
  EXPECT_FALSE(model["Frame4"].visible);
  EXPECT_EQ(ReadBytes(report_), before);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
  if (GetParam() == Broken::DirectoryInPlace) {
    EXPECT_TRUE(QFileInfo(report_).isDir());
  }
}

INSTANTIATE_TEST_SUITE_P(EachBrokenFile, ReportFailure,
                         ::testing::Values(Broken::Missing, Broken::DirectoryInPlace, Broken::FolderIsAFile,
                                           Broken::Truncated, Broken::NoReportSheet, Broken::NotAWorkbook),
                         [](const auto& test) { return ::testing::PrintToString(test.param); });

// State: a good report file, but the disk takes only a few kilobytes more (a file-size limit
// in a child process, so the write fails for real even as root). Action: Excel. Expected:
// the message, the old report byte-identical, no temporary file left beside it.
TEST_F(ReportFileTest, SaveThatCannotFinishKeepsTheOldReport) {
  MainWindowModel first = ModelFor(kPairs[0]);
  ASSERT_TRUE(generate(first, report_));
  const QByteArray before = ReadBytes(report_);
  ASSERT_GT(before.size(), 4096);

  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{2048, 2048};
    setrlimit(RLIMIT_FSIZE, &limit);
    testing::RecordingPlatform platform;
    CountingWindow window;
    WorkbookSpreadsheet sheet;
    MainWindowModel model = ModelFor(kPairs[2]);
    const bool shown = GenerateReport(model, platform, sheet, window, report_.toStdString());
    const bool ok = !shown && window.shown == 0 && platform.messages.size() == 1 &&
                    platform.messages[0].title == "ERROR" && !model.busyPointer && !model["Frame4"].visible;
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadBytes(report_), before);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Vaporel.xls"});
}

}  // namespace
}  // namespace vaporel
