// The Qt services behind the window logic: message boxes, the settings store,
// the document viewer and the program's folder.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "modal_watchdog.hpp"
#include "shell/qt_platform.hpp"

using vaporel::MessageIcon;
using vaporel::QtPlatform;
using vaporel::testing::ModalWatchdog;

namespace {

bool touch(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write("{\\rtf1 x}") > 0;
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  // State: no box open. Action: the logic asks for a box with a title and icon.
  // Expected: one modal box with exactly that title, text and icon, and only an OK button.
  void messageBoxShowsTitleIconAndText_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("expectedIcon");
    QTest::newRow("field check") << "Error" << int(MessageIcon::Critical) << int(QMessageBox::Critical);
    QTest::newRow("report failure") << "ERROR" << int(MessageIcon::Critical) << int(QMessageBox::Critical);
    QTest::newRow("report saved") << "Information" << int(MessageIcon::Information) << int(QMessageBox::Information);
  }
  void messageBoxShowsTitleIconAndText() {
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, expectedIcon);
    ModalWatchdog watchdog;
    QtPlatform platform;
    const std::string text = "Invalid entries, pressure must be less than 10 bar";
    platform.messageBox(text, title.toStdString(), static_cast<MessageIcon>(icon));
    QCOMPARE(watchdog.boxes().size(), 1u);
    const auto& box = watchdog.boxes().front();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, QString::fromStdString(text));
    QCOMPARE(int(box.icon), expectedIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  // State: empty settings. Action: one value saved. Expected: it is in [Settings] of Vaporel.
  void settingLandsInTheVaporelSettingsGroup() {
    QSettings("Vaporel", "Vaporel").clear();
    QtPlatform platform;
    platform.saveSetting("Vaporel", "Settings", "MainLeft", "2400");
    QSettings settings("Vaporel", "Vaporel");
    QCOMPARE(settings.value("Settings/MainLeft").toString(), QStringLiteral("2400"));
    settings.clear();
  }

  // State: a document present or missing, an opener that succeeds, fails or does not exist.
  // Action: open the document. Expected: success only when the file exists and the opener succeeded.
  void openDocumentReportsFailure_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("expected");
    QTest::newRow("opened") << true << "true" << true;
    QTest::newRow("viewer failed") << true << "false" << false;
    QTest::newRow("no opener program") << true << "/nonexistent/vaporel-opener" << false;
    QTest::newRow("document missing") << false << "true" << false;
  }
  void openDocumentReportsFailure() {
    QFETCH(bool, fileExists);
    QFETCH(QString, opener);
    QFETCH(bool, expected);
    QTemporaryDir dir;
    const QString document = dir.filePath("For Soft.doc");
    if (fileExists) QVERIFY(touch(document));
    QtPlatform platform({{}, opener});
    QCOMPARE(platform.openDocument(document.toStdString()), expected);
  }

  // State: the reference document beside the executable, under <prefix>/share/vaporel, or nowhere.
  // Action: ask for the program's folder. Expected: the folder that holds the document.
  void programFolderFindsTheReferenceDocument_data() {
    QTest::addColumn<QString>("documentAt");
    QTest::addColumn<QString>("expectedFolder");
    QTest::newRow("build tree") << "bin"
                                << "bin";
    QTest::newRow("installed") << "share/vaporel"
                               << "share/vaporel";
    QTest::newRow("missing") << ""
                             << "bin";
  }
  void programFolderFindsTheReferenceDocument() {
    QFETCH(QString, documentAt);
    QFETCH(QString, expectedFolder);
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath("bin"));
    if (!documentAt.isEmpty()) {
      QVERIFY(QDir(prefix.path()).mkpath(documentAt));
      QVERIFY(touch(prefix.filePath(documentAt + "/For Soft.doc")));
    }
    QCOMPARE(vaporel::programFolderFor(prefix.filePath("bin")), prefix.filePath(expectedFolder));
  }
};

int runTests(int argc, char** argv) {
  PlatformTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "platform_test.moc"
