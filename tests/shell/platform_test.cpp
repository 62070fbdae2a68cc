// The Qt services behind the window logic: message boxes, the settings store,
// the document viewer and the program's folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>

#include "modal_watchdog.hpp"
#include "qt_printing.hpp"
#include "report/report_location.hpp"
#include "shell/qt_platform.hpp"

using vaporel::MessageIcon;
using vaporel::QtPlatform;
using vaporel::testing::ModalWatchdog;

namespace {

bool Touch(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write("{\\rtf1 x}") > 0;
}

}  // namespace

// State: no box open. Action: the logic asks for a box with a title and icon.
// Expected: one modal box with exactly that title, text and icon, and only an OK button.
struct BoxCase {
  const char* title;
  MessageIcon icon;
  QMessageBox::Icon expectedIcon;
};
class MessageBoxes : public ::testing::TestWithParam<BoxCase> {};
// A field check's error, the report's failure, the report saved.
INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxes,
                         ::testing::Values(BoxCase{"Error", MessageIcon::Critical, QMessageBox::Critical},
                                           BoxCase{"ERROR", MessageIcon::Critical, QMessageBox::Critical},
                                           BoxCase{"Information", MessageIcon::Information, QMessageBox::Information}));

TEST_P(MessageBoxes, ShowTitleIconAndText) {
  const BoxCase& c = GetParam();
  ModalWatchdog watchdog;
  QtPlatform platform;
  const std::string text = "Invalid entries, pressure must be less than 10 bar";
  platform.messageBox(text, c.title, c.icon);
  ASSERT_EQ(watchdog.boxes().size(), 1u);
  const auto& box = watchdog.boxes().front();
  EXPECT_EQ(box.title, QString::fromLatin1(c.title));
  EXPECT_EQ(box.text, QString::fromStdString(text));
  EXPECT_EQ(box.icon, c.expectedIcon);
  EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// State: empty settings. Action: one value saved. Expected: it is in [Settings] of Vaporel.
TEST(Settings, LandInTheVaporelSettingsGroup) {
  QSettings("Vaporel", "Vaporel").clear();
  QtPlatform platform;
  platform.saveSetting("Vaporel", "Settings", "MainLeft", "2400");
  QSettings settings("Vaporel", "Vaporel");
  EXPECT_EQ(settings.value("Settings/MainLeft").toString(), QStringLiteral("2400"));
  settings.clear();
}

// State: a document present or missing, an opener that succeeds, fails or does not exist.
// Action: open the document. Expected: success only when the file exists and the opener succeeded.
struct OpenCase {
  bool fileExists;
  const char* opener;
  bool expected;
};
class OpenDocument : public ::testing::TestWithParam<OpenCase> {};
// Opened; the viewer failed; no opener program; the document missing.
INSTANTIATE_TEST_SUITE_P(Cases, OpenDocument,
                         ::testing::Values(OpenCase{true, "true", true}, OpenCase{true, "false", false},
                                           OpenCase{true, "/nonexistent/vaporel-opener", false},
                                           OpenCase{false, "true", false}));

TEST_P(OpenDocument, ReportsFailure) {
  const OpenCase& c = GetParam();
  QTemporaryDir dir;
  const QString document = dir.filePath("For Soft.doc");
  if (c.fileExists) {
    ASSERT_TRUE(Touch(document));
  }
  QtPlatform platform({{}, QString::fromLatin1(c.opener)});
  EXPECT_EQ(platform.openDocument(document.toStdString()), c.expected);
}

// State: the program's data (its report template) beside the executable, under
// <prefix>/share/vaporel, or nowhere.
// Action: ask for the program's folder. Expected: the folder that holds the data.
struct FolderCase {
  const char* documentAt;
  const char* expectedFolder;
};
class ProgramFolder : public ::testing::TestWithParam<FolderCase> {};
// The build tree, an installed program, no document at all.
INSTANTIATE_TEST_SUITE_P(Places, ProgramFolder,
                         ::testing::Values(FolderCase{"bin", "bin"}, FolderCase{"share/vaporel", "share/vaporel"},
                                           FolderCase{"", "bin"}));

TEST_P(ProgramFolder, FindsTheProgramsData) {
  const QString documentAt = QString::fromLatin1(GetParam().documentAt);
  QTemporaryDir prefix;
  ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
  if (!documentAt.isEmpty()) {
    ASSERT_TRUE(QDir(prefix.path()).mkpath(documentAt));
    ASSERT_TRUE(Touch(prefix.filePath(documentAt + "/Vaporel.xls")));
  }
  const std::string found = vaporel::ProgramFolderFor(prefix.filePath("bin").toStdString());
  EXPECT_EQ(QDir::cleanPath(QString::fromStdString(found)),
            prefix.filePath(QString::fromLatin1(GetParam().expectedFolder)));
}
