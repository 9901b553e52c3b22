// Paths as users have them: with spaces, in other scripts, very long, naming the wrong kind of
// thing, or leading to a huge configuration file. The tool reads, writes and starts through
// them unchanged, and says so plainly when it cannot.

#include "DialogDriver.h"
#include "PlatformProbe.h"
#include "ReliabilitySupport.h"
#include "SystemReasons.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "ini/IniFile.h"
#include "platform/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace reliability;

namespace {
#ifdef Q_OS_WIN
const QString executableSuffix = QStringLiteral(".exe"); // Windows starts no program without it
#else
const QString executableSuffix;
#endif

// The tool and the game in folders of the caller's choosing below one temporary root.
struct Layout {
    Layout(const QString &toolFolder, const QString &gameFolder)
        : appDir(folder.root() + QLatin1Char('/') + toolFolder)
        , gameDir(folder.root() + QLatin1Char('/') + gameFolder)
    {
        QDir().mkpath(appDir);
        QDir().mkpath(modFolder() + QStringLiteral("/multiplay"));
        QDir().mkpath(modFolder() + QStringLiteral("/campaign"));
        QDir().mkpath(modFolder() + QStringLiteral("/global"));
        TestAppFolder::writeFile(modFolder() + QStringLiteral("/multiplay/a b.zip"), "mod");
        QFile::copy(QStringLiteral(VMM_STANDIN_GAME), exePath());
        TestAppFolder::writeFile(configPath(), "resolution=1024x768\n");
        TestAppFolder::writeFile(optionsIniPath(), optionsIni());
        platform::setApplicationDirPathOverride(appDir);
    }

    QString exePath() const { return gameDir + QStringLiteral("/game exe") + executableSuffix; }
    QString modFolder() const { return gameDir + QStringLiteral("/mods folder"); }
    QString configPath() const { return gameDir + QStringLiteral("/config file.cfg"); }
    QString optionsIniPath() const { return appDir + QStringLiteral("/options.ini"); }
    QByteArray optionsIni() const
    {
        return TestAppFolder::asSaved(
            QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3\n")
                .arg(exePath(), modFolder(), configPath())
                .toUtf8());
    }
    // The stand-in game's record of its starts: for each, its working folder and arguments.
    QStringList lastLaunch() const
    {
        const QStringList lines =
            QString::fromUtf8(TestAppFolder::readFile(gameDir + QStringLiteral("/launches.log")))
                .split(QLatin1Char('\n'));
        const int start =
            int(lines.lastIndexOf(QRegularExpression(QStringLiteral("^launch \\d+$"))));
        if (start < 0)
            return {};
        const int count = lines.at(start).mid(7).toInt();
        return lines.mid(start + 1, count + 1);
    }
    bool waitForLaunch() const
    {
        return QTest::qWaitFor([this] { return !lastLaunch().isEmpty(); }, 10000);
    }

    PlatformProbe probe;
    TestAppFolder folder;
    QString appDir;
    QString gameDir;
};

// Folder names of about 200 characters, nested until the path is this long.
QString longFolder(int length)
{
    QString path;
    for (int i = 0; path.size() < length; ++i) {
        if (!path.isEmpty())
            path += QLatin1Char('/');
        path += QStringLiteral("level%1-").arg(i) + QString(190, QLatin1Char('d'));
    }
    return path;
}
} // namespace

class BadPathsTest : public QObject {
    Q_OBJECT

private slots:
    void toolWorksThroughAnyPath_data();
    void toolWorksThroughAnyPath();
    void tooLongSetFileNameIsReported();
    void executablePathNamingNoProgramIsReported_data();
    void executablePathNamingNoProgramIsReported();
    void fiftyMegabyteConfigurationLoadsAndSavesWhole();
};

void BadPathsTest::toolWorksThroughAnyPath_data()
{
    QTest::addColumn<QString>("toolFolder");
    QTest::addColumn<QString>("gameFolder");
    QTest::newRow("spaces") << QStringLiteral("my tools/Varnhold  Mod Manager")
                            << QStringLiteral("Program Files/Varnhold Game");
    QTest::newRow("non-ASCII") << QStringLiteral("Werkzeuge/Mod-Verwaltung für Välheim")
                               << QStringLiteral("Spiele/ヴァルンホルド 🎮");
#ifdef Q_OS_WIN
    // Windows allows none of | > * \ " in a name; cmd's own syntax is as awkward there.
    QTest::newRow("shell characters") << QStringLiteral("tools $(x) `y` ; & ^ ' %x% !y!")
                                      << QStringLiteral("game 'q' $HOME %PATH% ^&");
#else
    QTest::newRow("shell characters") << QStringLiteral("tools $(x) `y` ; | & > * ' \\")
                                      << QStringLiteral("game \"q\" $HOME %PATH%");
#endif
#ifdef Q_OS_WIN
    // Windows starts no program in a working folder longer than 260 characters (MAX_PATH).
    QTest::newRow("very long") << longFolder(1800) << longFolder(150);
#else
    QTest::newRow("very long") << longFolder(1800) << longFolder(1700);
#endif
}

// Start-up finds the locations, options.ini is rewritten with them unchanged, the set files
// are listed, created and read, and the game starts from its own folder.
void BadPathsTest::toolWorksThroughAnyPath()
{
    QFETCH(QString, toolFolder);
    QFETCH(QString, gameFolder);
    Layout layout(toolFolder, gameFolder);
    QVERIFY(QFileInfo::exists(layout.exePath()));
    TestAppFolder::writeFile(layout.appDir + QStringLiteral("/Set Files/mine.set"),
                             "[SettingMP]\nMod0=a b.zip\n[General]\nOtherCommands=-x\n");

    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(layout.probe.messages.size(), 0);
    QVERIFY(TestAppFolder::readFile(layout.optionsIniPath()) == layout.optionsIni());
    QCOMPARE(window.form().editVHConfig->toPlainText(), QStringLiteral("resolution=1024x768\n"));

    window.form().listChooseSetting->setCurrentRow(0);
    window.form().buttonLoadSetting->click();
    QCOMPARE(window.form().listMP->topLevelItem(0)->checkState(0), Qt::Checked);
    DialogDriver dialogs;
    dialogs.answerSetFileCreation(QStringLiteral("CreateWithSelected"), QStringLiteral("copy"));
    window.form().buttonCreateSetting->click();
    QCOMPARE(layout.probe.messages.size(), 0);
    QVERIFY(TestAppFolder::readFile(layout.appDir + QStringLiteral("/Set Files/copy.set"))
                .contains(TestAppFolder::asSaved("Mod0=a b.zip\n")));

    window.form().editVHConfig->setPlainText(QStringLiteral("resolution=800x600\n"));
    window.form().buttonVHConfigSave->click();
    QCOMPARE(layout.probe.messages.size(), 0);
    QVERIFY(TestAppFolder::readFile(layout.configPath()) ==
            TestAppFolder::asSaved("resolution=800x600\n"));

    window.form().buttonRun->click();
    QCOMPARE(layout.probe.exits, QVector<int>{0});
    QCOMPARE(layout.probe.starts.size(), 1);
    QCOMPARE(layout.probe.starts.first().program, layout.exePath());
    QCOMPARE(layout.probe.starts.first().workingDirectory, layout.gameDir);
    QVERIFY(layout.waitForLaunch());
    QCOMPARE(layout.lastLaunch(), (QStringList{layout.gameDir, QStringLiteral("--mod_mp=a b.zip"),
                                               QStringLiteral("-x")}));
}

// A name longer than a file system allows gives the write warning and creates nothing.
void BadPathsTest::tooLongSetFileNameIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    MainWindow window;
    const QStringList before = treeSnapshot(folder.root());
    const QString name(300, QLatin1Char('n'));

    DialogDriver dialogs;
    dialogs.answerSetFileCreation(QStringLiteral("CreateBlank"), name);
    window.form().buttonCreateSetting->click();
    QCOMPARE(probe.messages.size(), 1);
    const QString path = folder.setFilesDir() + QLatin1Char('/') + name + QStringLiteral(".set");
#ifdef Q_OS_WIN
    // Windows words this reason by file system, and Wine words it differently again.
    const QString text = probe.messages.first().text;
    const QString start = QStringLiteral("Cannot write file %1:\n").arg(path);
    QVERIFY2(text.startsWith(start) && text.size() > start.size() + 1, qPrintable(text));
    QVERIFY2(text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1String("..")),
             qPrintable(text));
#else
    QCOMPARE(probe.messages.first().text,
             QStringLiteral("Cannot write file %1:\nFile name too long.").arg(path));
#endif
    QCOMPARE(treeSnapshot(folder.root()), before);
}

void BadPathsTest::executablePathNamingNoProgramIsReported_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder") << true;
    QTest::newRow("a file that is no program") << false;
}

// The path passes the start-up check, as something exists there; starting it fails, which the
// user is told in the system's words, and the tool stays.
void BadPathsTest::executablePathNamingNoProgramIsReported()
{
    QFETCH(bool, folder);
    PlatformProbe probe;
    TestAppFolder tool;
    tool.createReadyTool({QStringLiteral("a.zip")});
    const QString program = folder ? tool.gameDir() : tool.configPath();
    TestAppFolder::writeFile(
        tool.optionsIniPath(),
        QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3\n")
            .arg(program, tool.modFolder(), tool.configPath())
            .toUtf8());
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 0);

    window.form().buttonRun->click();
    QVERIFY(probe.exits.isEmpty());
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().kind, platform::MessageKind::Warning);
    const QString reason = folder ? reasons::folderStarted() : reasons::notAProgram(program);
    QCOMPARE(probe.messages.first().text,
             QStringLiteral("Cannot start %1:\n%2.").arg(program, reasons::inMessage(reason)));
    QVERIFY(tool.recordedLaunches().isEmpty());
}

void BadPathsTest::fiftyMegabyteConfigurationLoadsAndSavesWhole()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    const int largeConfigSize = large(50 * 1024 * 1024);
    QByteArray config;
    config.reserve(largeConfigSize + 600);
    for (int i = 0; config.size() < largeConfigSize; ++i)
        config += "setting" + QByteArray::number(i) + "=" + QByteArray(500, 'v') + "\n";
    TestAppFolder::writeFile(folder.configPath(), config);

    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 0);
    QCOMPARE(window.form().editVHConfig->document()->characterCount() - 1, config.size());

    QFile::remove(folder.configPath());
    window.form().buttonVHConfigSave->click();
    QCOMPARE(probe.messages.size(), 0);
    QVERIFY(TestAppFolder::readFile(folder.configPath()) == TestAppFolder::asSaved(config));
}

QTEST_MAIN(BadPathsTest)
#include "tst_badpaths.moc"
