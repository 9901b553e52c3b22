#include "DefaultGamePlace.h"
#include "DialogDriver.h"
#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "ini/IniFile.h"
#include "locations/LocationSettings.h"
#include "locations/LocationStartup.h"
#include "locations/OptionsDialog.h"
#include "platform/ApplicationFolder.h"
#include "setfiles/SetFileFolder.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QByteArray defaultOptionsIni = "[Paths]\n"
                                     "ExecutablePath=C:/Program Files/Varnhold/varnhold.exe\n"
                                     "ModFolderPath=C:/Program Files/Varnhold/mods\n"
                                     "ConfigFilePath=C:/Users/player/My Documents/Varnhold 2.3/"
                                     "config\n";

// As the tool writes it.
QByteArray optionsIni(const QString &exe, const QString &modFolder, const QString &config)
{
    return TestAppFolder::asSaved(
        QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3\n")
            .arg(exe, modFolder, config)
            .toUtf8());
}

void expectDefaults()
{
    QCOMPARE(appState().exePath, DefaultGamePlace::exePath());
    QCOMPARE(appState().modFolderPath, DefaultGamePlace::modFolder());
    QCOMPARE(appState().configFilePath, DefaultGamePlace::configPath());
}
} // namespace

class LocationSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void defaultConfigPathKeepsEnvironmentText_data();
    void defaultConfigPathKeepsEnvironmentText();
    void defaultsKeepOnlyWhatExists_data();
    void defaultsKeepOnlyWhatExists();

    void firstStartAtDefaultPlaceWritesDefaults();
    void firstStartElsewhereAsksAndCancelEndsWithZero_data();
    void firstStartElsewhereAsksAndCancelEndsWithZero();
    void firstStartElsewhereTakesDialogPaths_data();
    void firstStartElsewhereTakesDialogPaths();
    void escapeAtStartEndsLikeCancel();
    void cancelAtStartLeavesOldOptionsIniUntouched();

    void unusableStoredLocationsTakeDefaults_data();
    void unusableStoredLocationsTakeDefaults();
    void validStoredLocationsAreKeptAndRewritten_data();
    void validStoredLocationsAreKeptAndRewritten();
    void rewriteKeepsUnrelatedLines();
    void installedToolKeepsFilesInPlayerFolders_data();
    void installedToolKeepsFilesInPlayerFolders();

    void unwritableOptionsIniWarnsOnceAndGoesOn_data();
    void unwritableOptionsIniWarnsOnceAndGoesOn();
};

void LocationSettingsTest::defaultConfigPathKeepsEnvironmentText_data()
{
    QTest::addColumn<QByteArray>("drive");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes kept")
        << QByteArray("C:") << QByteArray("\\Users\\player")
        << QStringLiteral("C:\\Users\\player/My Documents/Varnhold 2.3/config");
    QTest::newRow("non-ASCII home")
        << DefaultGamePlace::otherDrive() << QStringLiteral("\\Users\\Jörg").toUtf8()
        << QString::fromUtf8(DefaultGamePlace::otherDrive()) +
               QStringLiteral("\\Users\\Jörg/My Documents/Varnhold 2.3/config");
    QTest::newRow("not set") << QByteArray() << QByteArray()
                             << QStringLiteral("/My Documents/Varnhold 2.3/config");
}

void LocationSettingsTest::defaultConfigPathKeepsEnvironmentText()
{
    QFETCH(QByteArray, drive);
    QFETCH(QByteArray, path);
    QFETCH(QString, expected);
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    if (drive.isNull()) {
        qunsetenv("HOMEDRIVE");
        qunsetenv("HOMEPATH");
    } else {
        DefaultGamePlace::setHome(drive, path);
    }
    QCOMPARE(defaultConfigFilePath(), expected);
    if (expected.startsWith(QLatin1Char('/')))
        return; // would name a file below the root

    // The same text passes the existence check when something stands there.
    TestAppFolder::writeFile(expected, "x");
    defaultLocations();
    QCOMPARE(appState().configFilePath, expected);
}

void LocationSettingsTest::defaultsKeepOnlyWhatExists_data()
{
    QTest::addColumn<QString>("exeEntry");
    QTest::addColumn<QString>("modEntry");
    QTest::addColumn<QString>("configEntry");
    QTest::addColumn<bool>("exeKept");
    QTest::addColumn<bool>("modKept");
    QTest::addColumn<bool>("configKept");
    // What stands at each default place: "file", "folder" or "" for nothing.
    QTest::newRow("all there") << "file"
                               << "folder"
                               << "file" << true << true << true;
    QTest::newRow("nothing there") << ""
                                   << ""
                                   << "" << false << false << false;
    QTest::newRow("executable missing") << ""
                                        << "folder"
                                        << "file" << false << true << true;
    QTest::newRow("config missing") << "file"
                                    << "folder"
                                    << "" << true << true << false;
    QTest::newRow("folders at file places pass") << "folder"
                                                 << "folder"
                                                 << "folder" << true << true << true;
    QTest::newRow("file at mod folder place fails") << "file"
                                                    << "file"
                                                    << "file" << true << false << true;
}

void LocationSettingsTest::defaultsKeepOnlyWhatExists()
{
    QFETCH(QString, exeEntry);
    QFETCH(QString, modEntry);
    QFETCH(QString, configEntry);
    QFETCH(bool, exeKept);
    QFETCH(bool, modKept);
    QFETCH(bool, configKept);
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    const auto put = [](const QString &what, const QString &path) {
        if (what == QLatin1String("folder"))
            QDir().mkpath(path);
        else if (what == QLatin1String("file"))
            TestAppFolder::writeFile(path, "x");
    };
    put(exeEntry, DefaultGamePlace::exePath());
    put(modEntry, DefaultGamePlace::modFolder());
    put(configEntry, DefaultGamePlace::configPath());
    appState().exePath = QStringLiteral("stale");
    appState().modFolderPath = QStringLiteral("stale");
    appState().configFilePath = QStringLiteral("stale");

    defaultLocations();

    QCOMPARE(appState().exePath, exeKept ? DefaultGamePlace::exePath() : QString());
    QCOMPARE(appState().modFolderPath, modKept ? DefaultGamePlace::modFolder() : QString());
    QCOMPARE(appState().configFilePath, configKept ? DefaultGamePlace::configPath() : QString());
}

void LocationSettingsTest::firstStartAtDefaultPlaceWritesDefaults()
{
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    DefaultGamePlace::create();

    MainWindow window;

    QVERIFY(window.startupCompleted());
    QVERIFY(probe.messages.isEmpty());
    QVERIFY(probe.exits.isEmpty());
    QCOMPARE(TestAppFolder::readFile(folder.optionsIniPath()),
             TestAppFolder::asSaved(defaultOptionsIni));
    expectDefaults();
}

void LocationSettingsTest::firstStartElsewhereAsksAndCancelEndsWithZero_data()
{
    QTest::addColumn<QString>("atDefaults"); // e: executable, m: mod folder, c: configuration
    QTest::newRow("nothing at the default place") << "";
    // An empty mod folder path would pass an existence check: it names the working folder.
    QTest::newRow("only the mod folder missing") << "ec";
    QTest::newRow("only the configuration missing") << "em";
}

void LocationSettingsTest::firstStartElsewhereAsksAndCancelEndsWithZero()
{
    QFETCH(QString, atDefaults);
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    if (atDefaults.contains(QLatin1Char('e')))
        DefaultGamePlace::createExecutable();
    if (atDefaults.contains(QLatin1Char('m')))
        DefaultGamePlace::createModFolder();
    if (atDefaults.contains(QLatin1Char('c')))
        DefaultGamePlace::createConfig();
    QStringList events;
    probe.onMessage = [&events](QWidget *, const platform::MessageRecord &) {
        events << QStringLiteral("box");
    };
    DialogDriver driver;
    driver.whenShown<OptionsDialog>([&events](OptionsDialog *dialog) {
        events << QStringLiteral("dialog");
        DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
    });

    MainWindow window;

    QCOMPARE(events, QStringList({QStringLiteral("box"), QStringLiteral("dialog")}));
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.at(0).kind, platform::MessageKind::Information);
    QCOMPARE(probe.messages.at(0).title, QStringLiteral("Varnhold locations"));
    QCOMPARE(probe.messages.at(0).text, QStringLiteral("Varnhold could not be located."));
    QCOMPARE(probe.exits, QVector<int>{0});
    QVERIFY(!window.startupCompleted());
    QVERIFY(!QFile::exists(folder.optionsIniPath()));
    QVERIFY(!driver.leftOpen);
}

void LocationSettingsTest::firstStartElsewhereTakesDialogPaths_data()
{
    QTest::addColumn<bool>("gameMadeWhileAsked");
    QTest::newRow("game there before the start") << false;
    // As when options.ini names a drive that is mounted only while the dialog is open.
    QTest::newRow("game made while the dialog is open") << true;
}

void LocationSettingsTest::firstStartElsewhereTakesDialogPaths()
{
    QFETCH(bool, gameMadeWhileAsked);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame({QStringLiteral("m.zip")}, {QStringLiteral("c.zip")},
                      {QStringLiteral("g.zip")});
    // Put aside and brought back: copying the game in needs the working folder it was built in.
    const QString aside = folder.root() + QStringLiteral("/aside");
    const auto makeGame = [&folder, aside] { QVERIFY(QDir().rename(aside, folder.gameDir())); };
    if (gameMadeWhileAsked) {
        folder.writeOptionsIni();
        QVERIFY(QDir().rename(folder.gameDir(), aside));
    }
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    DefaultGamePlace::createExecutable(); // only part of the game at the default place
    DialogDriver driver;
    driver.whenShown<OptionsDialog>(
        [&folder, &makeGame, gameMadeWhileAsked](OptionsDialog *dialog) {
            if (gameMadeWhileAsked)
                makeGame();
            DialogDriver::enterLocations(folder.exePath(), folder.modFolder(),
                                         folder.configPath())(dialog);
            DialogDriver::clickStandardButton(QDialogButtonBox::Ok)(dialog);
        });

    MainWindow window;

    QCOMPARE(driver.shownCount, 1);
    QVERIFY(!driver.leftOpen);
    QCOMPARE(probe.messages.size(), 1);
    QVERIFY(probe.exits.isEmpty());
    QVERIFY(window.startupCompleted());
    QCOMPARE(TestAppFolder::readFile(folder.optionsIniPath()),
             optionsIni(folder.exePath(), folder.modFolder(), folder.configPath()));
    QCOMPARE(window.form().listMP->topLevelItem(0)->text(0), QStringLiteral("m.zip"));
    QCOMPARE(window.form().listSP->topLevelItem(0)->text(0), QStringLiteral("c.zip"));
    QCOMPARE(window.form().listGlobal->topLevelItem(0)->text(0), QStringLiteral("g.zip"));
}

// Escape is the toolkit's own rejection; going on would save the emptied defaults and end
// with status 2 when the mod folder is scanned.
void LocationSettingsTest::escapeAtStartEndsLikeCancel()
{
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    DefaultGamePlace::createModFolder();
    DialogDriver driver;
    driver.whenShown<OptionsDialog>(
        [](OptionsDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QWidget window;

    QVERIFY(!settleLocations(&window));

    QCOMPARE(driver.shownCount, 1);
    QVERIFY(!driver.leftOpen);
    QCOMPARE(probe.exits, QVector<int>{0});
    QVERIFY(!QFile::exists(folder.optionsIniPath()));
}

void LocationSettingsTest::cancelAtStartLeavesOldOptionsIniUntouched()
{
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    const QByteArray old = "; kept\n[Paths]\nExecutablePath=gone.exe\n";
    TestAppFolder::writeFile(folder.optionsIniPath(), old);
    DialogDriver driver;
    driver.whenShown<OptionsDialog>([](OptionsDialog *dialog) {
        DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
    });
    QWidget window;

    QVERIFY(!settleLocations(&window));

    QCOMPARE(probe.exits, QVector<int>{0});
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(TestAppFolder::readFile(folder.optionsIniPath()), old);
}

void LocationSettingsTest::unusableStoredLocationsTakeDefaults_data()
{
    QTest::addColumn<QString>("content");
    // %1, %2, %3: an existing executable, mod folder and configuration file elsewhere.
    QTest::newRow("executable since deleted") << QStringLiteral(
        "[Paths]\nExecutablePath=%1.deleted\nModFolderPath=%2\nConfigFilePath=%3\n");
    QTest::newRow("mod folder gone")
        << QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2/gone\nConfigFilePath=%3\n");
    QTest::newRow("config gone") << QStringLiteral(
        "[Paths]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3.gone\n");
    QTest::newRow("config key missing")
        << QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\n%3\n");
    QTest::newRow("executable key missing")
        << QStringLiteral("[Paths]\n%1\nModFolderPath=%2\nConfigFilePath=%3\n");
    QTest::newRow("mod folder key missing")
        << QStringLiteral("[Paths]\nExecutablePath=%1\n%2\nConfigFilePath=%3\n");
    QTest::newRow("keys in another section")
        << QStringLiteral("[Other]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3\n");
    QTest::newRow("mod folder names a file") << QStringLiteral(
        "[Paths]\nExecutablePath=%1\nModFolderPath=%3\nConfigFilePath=%3\n; %2\n");
    QTest::newRow("empty file") << QString();
}

void LocationSettingsTest::unusableStoredLocationsTakeDefaults()
{
    QFETCH(QString, content);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    DefaultGamePlace::create();
    if (!content.isEmpty())
        content = content.arg(folder.exePath(), folder.modFolder(), folder.configPath());
    TestAppFolder::writeFile(folder.optionsIniPath(), content.toUtf8());
    QWidget window;

    QVERIFY(settleLocations(&window));

    // All three are replaced, also those that were still valid.
    expectDefaults();
    QVERIFY(probe.messages.isEmpty());
    IniFile check(folder.optionsIniPath());
    QCOMPARE(check.value("Paths", "ExecutablePath", "ERROR"), DefaultGamePlace::exePath());
    QCOMPARE(check.value("Paths", "ModFolderPath", "ERROR"), DefaultGamePlace::modFolder());
    QCOMPARE(check.value("Paths", "ConfigFilePath", "ERROR"), DefaultGamePlace::configPath());
}

void LocationSettingsTest::validStoredLocationsAreKeptAndRewritten_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("modFolder");
    // %1 the stand-in game, %2 its mod folder, %3 its game folder.
    QTest::newRow("usual") << "%1"
                           << "%2";
    QTest::newRow("executable names a folder") << "%3"
                                               << "%2";
    QTest::newRow("empty mod folder is the working folder") << "%1" << QString();
}

void LocationSettingsTest::validStoredLocationsAreKeptAndRewritten()
{
    QFETCH(QString, exe);
    QFETCH(QString, modFolder);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    DefaultGamePlace::create(); // must not be taken
    const auto fill = [&folder](const QString &text) {
        return QString(text)
            .replace(QLatin1String("%1"), folder.exePath())
            .replace(QLatin1String("%2"), folder.modFolder())
            .replace(QLatin1String("%3"), folder.gameDir());
    };
    const QByteArray stored = optionsIni(fill(exe), fill(modFolder), folder.configPath());
    TestAppFolder::writeFile(folder.optionsIniPath(), stored);
    QWidget window;

    QVERIFY(settleLocations(&window));

    QVERIFY(probe.messages.isEmpty());
    QCOMPARE(appState().exePath, fill(exe));
    QCOMPARE(appState().modFolderPath, fill(modFolder));
    QCOMPARE(appState().configFilePath, folder.configPath());
    QCOMPARE(TestAppFolder::readFile(folder.optionsIniPath()), stored);
}

void LocationSettingsTest::installedToolKeepsFilesInPlayerFolders_data()
{
    QTest::addColumn<QString>("marker"); // relative to the executable's folder
    QTest::addColumn<QString>("optionsFolder");
    QTest::addColumn<QString>("setFilesParent");
    QString marker = "../share/varnhold-mod-manager/installed-layout", other = "installed-layout";
    QString options = "config/varnhold-mod-manager", sets = "data/varnhold-mod-manager";
#ifdef Q_OS_WIN
    std::swap(marker, other);
    options = sets =
        QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + "/Varnhold Mod Manager";
#endif
    QTest::newRow("installed") << marker << options << sets;
    QTest::newRow("marker of the other system") << other << "app"
                                                << "app";
}

// Only the package's marker makes the layout the installed one; the folders in the player's
// home are made as needed.
void LocationSettingsTest::installedToolKeepsFilesInPlayerFolders()
{
    QFETCH(QString, marker);
    QFETCH(QString, optionsFolder);
    QFETCH(QString, setFilesParent);
    PlatformProbe probe;
    TestAppFolder folder;
    const QDir home(folder.root());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    const auto restore =
        qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"), qunsetenv("XDG_DATA_HOME"); });
    TestAppFolder::writeFile(folder.appDir() + "/" + marker, "");
    const QString options = home.filePath(optionsFolder) + "/options.ini";
    QFile::remove(options);
    QVERIFY(saveLocations().saved);
    QVERIFY(QFile::remove(options)); // also from %APPDATA%, which is no test's own
    QCOMPARE(setFileFolderPath(), home.filePath(setFilesParent) + "/Set Files");
}

void LocationSettingsTest::rewriteKeepsUnrelatedLines()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    const QString stored = QStringLiteral("; written  by hand\n"
                                          "[Other]\n"
                                          "Key =  a    b\n"
                                          "\n"
                                          "[Paths]\n"
                                          "ConfigFilePath=%3\n"
                                          "Extra=1\n"
                                          "ExecutablePath=%1\n"
                                          "ModFolderPath=%2\n"
                                          "[Tail]\n"
                                          "X=y\n");
    const QString expected = QStringLiteral("; written by hand\n"
                                            "[Other]\n"
                                            "Key = a b\n"
                                            "\n"
                                            "[Paths]\n"
                                            "ConfigFilePath=%3\n"
                                            "Extra=1\n"
                                            "ExecutablePath=%1\n"
                                            "ModFolderPath=%2\n"
                                            "[Tail]\n"
                                            "X=y\n");
    TestAppFolder::writeFile(
        folder.optionsIniPath(),
        stored.arg(folder.exePath(), folder.modFolder(), folder.configPath()).toUtf8());

    MainWindow window;

    QVERIFY(window.startupCompleted());
    QCOMPARE(TestAppFolder::readFile(folder.optionsIniPath()),
             TestAppFolder::asSaved(
                 expected.arg(folder.exePath(), folder.modFolder(), folder.configPath()).toUtf8()));
}

void LocationSettingsTest::unwritableOptionsIniWarnsOnceAndGoesOn_data()
{
    QTest::addColumn<bool>("folderAtOptionsIni");
    QTest::addColumn<QString>("failure");
    QTest::newRow("folder stands at options.ini") << true << "read";
    QTest::newRow("tool folder below a regular file") << false << "write";
}

void LocationSettingsTest::unwritableOptionsIniWarnsOnceAndGoesOn()
{
    QFETCH(bool, folderAtOptionsIni);
    QFETCH(QString, failure);
    PlatformProbe probe;
    TestAppFolder folder;
    DefaultGamePlace place(folder.root() + QStringLiteral("/cwd"));
    REQUIRE_FREE_DEFAULT_PLACE(place);
    DefaultGamePlace::create();
    if (folderAtOptionsIni) {
        QVERIFY(QDir().mkpath(folder.optionsIniPath()));
    } else {
        TestAppFolder::writeFile(folder.root() + QStringLiteral("/plain"), "x");
        platform::setApplicationDirPathOverride(folder.root() + QStringLiteral("/plain/app"));
    }
    const QString optionsPath = optionsIniPath();

    MainWindow window;

    QVERIFY(window.startupCompleted());
    QVERIFY(probe.exits.isEmpty());
    expectDefaults();
    QCOMPARE(probe.messages.size(), 1);
    const platform::MessageRecord &warning = probe.messages.at(0);
    QCOMPARE(warning.kind, platform::MessageKind::Warning);
    QCOMPARE(warning.title, QStringLiteral("Varnhold locations"));
    const QString head = QStringLiteral("Cannot %1 file %2:\n").arg(failure, optionsPath);
    QVERIFY2(warning.text.startsWith(head), qPrintable(warning.text));
    QVERIFY(warning.text.endsWith(QLatin1Char('.')));
    QVERIFY(warning.text.size() > head.size() + 1); // the system's reason
    QCOMPARE(QFileInfo(folder.optionsIniPath()).isDir(), folderAtOptionsIni);
}

QTEST_MAIN(LocationSettingsTest)
#include "tst_locationsettings.moc"
