// The "Excel" button on the headless window: after a calculation by a user, the report
// file holds what the window shows (read back by xlrd), for either decimal separator, and
// the batch calculator's --report writes the same cells from the same texts.

#include "window/report/excel_command.hpp"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "report/report_generation.hpp"
#include "report/workbook_spreadsheet.hpp"
#include "report_files.hpp"
#include "support/window_fixture.hpp"
#include "window/report/report_content_of.hpp"

namespace vaporel::testing {
namespace {

class NoWindow : public ReportWindow {
 public:
  int shown = 0;
  bool showReport(const std::string&) override {
    ++shown;
    return true;
  }
};

class ExcelCommand : public EitherSeparator {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    report_ = (dir_.path() + "/Vaporel.xls").toStdString();
    ASSERT_TRUE(QFile::copy(TemplatePath(), QString::fromStdString(report_)));
    QFile::setPermissions(QString::fromStdString(report_), QFile::ReadOwner | QFile::WriteOwner);
    window.logic.setReportCommand([this] {
      WorkbookSpreadsheet spreadsheet(window.logic.numbers().decimalSeparator());
      GenerateReport(window.model, window.platform, spreadsheet, reportWindow_, report_);
    });
  }

  QTemporaryDir dir_;
  std::string report_;
  NoWindow reportWindow_;
};

// State: a user calculated pair 1 at 1.01325 bar, 20 °C, 50 %. Action: Excel. Expected: the
// busy state painted and removed, the window shown once, and every written cell of the file
// equal to what the window shows: captions as strings, field and result texts as numbers.
TEST_P(ExcelCommand, ReportHoldsWhatTheWindowShows) {
  window.calculateTypicalState();
  ASSERT_TRUE(window.model["Command3"].enabled);
  window.platform.clear();
  ASSERT_TRUE(window.user.clickOn("Command3"));

  EXPECT_EQ(reportWindow_.shown, 1);
  EXPECT_TRUE(window.platform.messages.empty());
  EXPECT_FALSE(window.model.busyPointer);
  EXPECT_FALSE(window.model["Frame4"].visible);
  EXPECT_FALSE(window.platform.calls.empty());

  const QJsonObject cells = ReadWithXlrd(QString::fromStdString(report_))["cells"].toObject();
  ASSERT_FALSE(cells.isEmpty());
  const char separator = window.logic.numbers().decimalSeparator();
  const ReportContent content = ReportContentOf(window.model);
  const auto texts = ReportCellTexts(content);
  for (std::size_t i = 0; i < kReportCells.size(); ++i) {
    const std::string text(texts[i]);
    const std::string_view reference = kReportCells[i];
    const QJsonObject cell =
        cells[QString::fromUtf8(reference.data(), static_cast<qsizetype>(reference.size()))].toObject();
    SCOPED_TRACE(std::string(reference) + " " + text);
    if (i < content.captions.size()) {
      EXPECT_EQ(cell["kind"].toString(), "text");
      EXPECT_EQ(cell["value"].toString().toStdString(), text);
    } else {
      const std::string dotted = Dotted(text, separator);
      EXPECT_EQ(cell["kind"].toString(), "number");
      EXPECT_DOUBLE_EQ(cell["value"].toDouble(), std::stod(dotted));
    }
  }
  EXPECT_EQ(cells["A5"].toObject()["value"].toString(), "Dry bulb temperature [oC] ");
  EXPECT_EQ(cells["A6"].toObject()["value"].toString(), "Relative humidity [%] ");

  // The batch calculator, given the same texts, writes a new report with the same cells.
  const QString batchReport = dir_.path() + "/batch.xls";
  QStringList arguments = {"--report", batchReport, "1"};
  if (separator == ',') arguments = QStringList{"--locale", "de_DE.UTF-8"} + arguments;
  for (const std::string& text : content.fields) arguments << QString::fromStdString(text);
  QProcess calc;
  calc.start(QStringLiteral(VAPOREL_CALC), arguments);
  ASSERT_TRUE(calc.waitForFinished(30000));
  ASSERT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
  const QJsonObject batchCells = ReadWithXlrd(batchReport)["cells"].toObject();
  for (std::string_view reference : kReportCells) {
    const QString name = QString::fromUtf8(reference.data(), static_cast<qsizetype>(reference.size()));
    EXPECT_EQ(batchCells[name], cells[name]) << reference;
  }
}

// State: no calculation yet (Excel disabled). Action: a click on Excel. Expected: no report.
TEST_P(ExcelCommand, DisabledButtonWritesNothing) {
  const QByteArray before = ReadBytes(QString::fromStdString(report_));
  window.user.clickOn("Command3");
  EXPECT_EQ(reportWindow_.shown, 0);
  EXPECT_EQ(ReadBytes(QString::fromStdString(report_)), before);
}

INSTANTIATE_TEST_SUITE_P(Separators, ExcelCommand, ::testing::Values('.', ','), SeparatorName);

}  // namespace
}  // namespace vaporel::testing
