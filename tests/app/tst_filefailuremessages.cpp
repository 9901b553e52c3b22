#include "DialogDriver.h"
#include "MarkingTranslator.h"
#include "StartedTool.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QtTest>

namespace {
// A tool whose set file "folder.set" and whose game configuration are folders, which can be
// neither read nor written nor deleted as files.
void prepareFolders(TestAppFolder &folder)
{
    folder.createReadyTool();
    QDir().mkpath(folder.setFilesDir() + QStringLiteral("/folder.set/inside"));
    QFile::remove(folder.configPath());
    QDir().mkpath(folder.configPath() + QStringLiteral("/inside"));
}

void changeLocationsWithOptionsIniAFolder(StartedTool &tool, DialogDriver &driver)
{
    QFile::remove(tool.folder.optionsIniPath());
    QDir().mkpath(tool.folder.optionsIniPath());
    driver.expect(QStringLiteral("OptionsDialog"),
                  DialogDriver::clickStandardButton(QDialogButtonBox::Ok));
    tool.form().ChangePaths->click();
}
} // namespace

class FileFailureMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyWarningIsTranslated_data();
    void everyWarningIsTranslated();
};

void FileFailureMessagesTest::everyWarningIsTranslated_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("file");
    QTest::newRow("options.ini") << "ChangePaths"
                                 << "Varnhold locations"
                                 << "read"
                                 << "options.ini";
    QTest::newRow("set file loaded") << "buttonLoadSetting"
                                     << "Halvane v5"
                                     << "read"
                                     << "folder.set";
    QTest::newRow("set file saved") << "buttonSaveSetting"
                                    << "Halvane v5"
                                    << "write"
                                    << "folder.set";
    QTest::newRow("set file deleted") << "buttonDeleteSetting"
                                      << "Halvane v5"
                                      << "delete"
                                      << "folder.set";
    QTest::newRow("configuration loaded") << ""
                                          << "Halvane v5"
                                          << "read"
                                          << "config";
    QTest::newRow("configuration saved") << "buttonVHConfigSave"
                                         << "Halvane v5"
                                         << "write"
                                         << "config";
}

void FileFailureMessagesTest::everyWarningIsTranslated()
{
    QFETCH(QString, action);
    QFETCH(QString, title);
    QFETCH(QString, verb);
    QFETCH(QString, file);
    MarkingTranslator translator;
    StartedTool tool(prepareFolders);
    const QString path = file == QLatin1String("config")        ? tool.folder.configPath()
                         : file == QLatin1String("options.ini") ? tool.folder.optionsIniPath()
                                                                : tool.setFilePath(file);
    DialogDriver driver;
    if (!action.isEmpty()) {
        tool.probe.messages.clear(); // the configuration's, at the start
        tool.choose(QStringLiteral("folder.set"));
        if (action == QLatin1String("ChangePaths"))
            changeLocationsWithOptionsIniAFolder(tool, driver);
        else
            tool.window->findChild<QPushButton *>(action)->click();
    }
    QCOMPARE(driver.pendingSteps(), 0);
    QCOMPARE(tool.probe.messages.size(), 1);
    const platform::MessageRecord &warning = tool.probe.messages.first();
    QCOMPARE(warning.title, QStringLiteral("[%1]").arg(title));
    const QString head = QStringLiteral("[Cannot %1 file %2:\n").arg(verb, path);
    QVERIFY2(warning.text.startsWith(head) && warning.text.endsWith(QLatin1String(".]")),
             qPrintable(warning.text));
}

QTEST_MAIN(FileFailureMessagesTest)
#include "tst_filefailuremessages.moc"
