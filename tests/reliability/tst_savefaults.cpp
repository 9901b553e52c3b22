// Saving options.ini, a set file and the game configuration when the disk is full, when the
// target cannot be written, or when the old file cannot even be read: the old file stays byte
// for byte, nothing half-written is left, and the user is told.

#include "PlatformProbe.h"
#include "ReliabilitySupport.h"
#include "SystemReasons.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "config/GameConfigFile.h"
#include "locations/LocationSettings.h"
#include "platform/ApplicationFolder.h"
#include "platform/FileReplacement.h"
#include "setfiles/SetFileFormat.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QtTest>

#include <cerrno>
#include <functional>

using namespace reliability;

namespace {
const QString locationsTitle = QStringLiteral("Varnhold locations");
const QString editorTitle = QStringLiteral("Halvane v5");

// Lines a rewrite would change (it simplifies whitespace), so an old file that survives
// byte for byte shows that nothing was written over it.
const QByteArray userLines = "   ;  my own   notes  \n[Other]\nKey =  value\n";

QByteArray optionsIni(const QString &exe, const QString &mods, const QString &config)
{
    return QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3\n")
               .arg(exe, mods, config)
               .toUtf8() +
           userLines;
}

const QByteArray oldSetFile =
    "[SettingMP]\nMod0=old.zip\nCount=1\n  [General]\nOtherCommands=-old\n";
const QByteArray oldConfig = "resolution = 1024x768\r\nsound=on\r\n";

void expectWarning(const PlatformProbe &probe, const QString &title, const QString &text)
{
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().kind, platform::MessageKind::Warning);
    QCOMPARE(probe.messages.first().title, title);
    QCOMPARE(probe.messages.first().text, text);
}

// Like expectWarning, for reasons that differ between systems: the text up to the reason.
void expectWarningAbout(const PlatformProbe &probe, const QString &title, const QString &start)
{
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().kind, platform::MessageKind::Warning);
    QCOMPARE(probe.messages.first().title, title);
    const QString text = probe.messages.first().text;
    QVERIFY2(text.startsWith(start), qPrintable(text));
    QVERIFY2(text.size() > start.size() + 1 && text.endsWith(QLatin1Char('.')), qPrintable(text));
}

// The one warning a save into a full disk must give.
void expectDiskFullWarning(const PlatformProbe &probe, const QString &title, const QString &path)
{
    expectWarning(probe, title,
                  QStringLiteral("Cannot write file %1:\nNo space left on device.").arg(path));
}

// The tool's folder, the set files and the configuration on a small file system of their own;
// the game and its mods stay on the ordinary disk.
struct FullDisk {
    FullDisk()
    {
        if (!disk.isMounted())
            return;
        folder.createReadyTool({QStringLiteral("a.zip"), QStringLiteral("b.zip")});
        writeBytes(configPath(), oldConfig);
        writeBytes(optionsIniPath(),
                   optionsIni(folder.exePath(), folder.modFolder(), configPath()));
        writeBytes(setFilePath(QStringLiteral("mine.set")), oldSetFile);
        platform::setApplicationDirPathOverride(appDir());
    }

    QString appDir() const { return disk.path() + QStringLiteral("/app"); }
    QString optionsIniPath() const { return appDir() + QStringLiteral("/options.ini"); }
    QString setFilePath(const QString &name) const
    {
        return appDir() + QStringLiteral("/Set Files/") + name;
    }
    QString configPath() const { return disk.path() + QStringLiteral("/config"); }
    QStringList contents() const
    {
        QStringList entries = treeSnapshot(disk.path());
        entries.removeIf(
            [](const QString &entry) { return entry.startsWith(QLatin1String("filler ")); });
        return entries;
    }

    PlatformProbe probe;
    TestAppFolder folder;
    SmallFileSystem disk;
};

// One kind of file the tool saves: where it stands, what it held, what a save writes there, and
// the save itself, which gives the system's reason when it fails.
struct SavedFile {
    QString path;
    QByteArray before;
    QByteArray after;
    std::function<QString()> save;
};

SavedFile savedFile(const QString &kind, const TestAppFolder &folder)
{
    if (kind.startsWith(QLatin1String("options"))) {
        const QByteArray after =
            "[Paths]\nExecutablePath=/new/exe\nModFolderPath=/new/mods\n"
            "ConfigFilePath=/new/config\n; my own notes\n[Other]\nKey = value\n";
        return {folder.optionsIniPath(),
                kind == QLatin1String("options unchanged")
                    ? after
                    : optionsIni(QStringLiteral("/old/exe"), QStringLiteral("/old/mods"),
                                 QStringLiteral("/old/config")),
                after, [] {
                    appState().exePath = QStringLiteral("/new/exe");
                    appState().modFolderPath = QStringLiteral("/new/mods");
                    appState().configFilePath = QStringLiteral("/new/config");
                    const LocationsSaveResult result = saveLocations();
                    return result.saved ? QString() : result.errorText;
                }};
    }
    const QString setFilePath = folder.setFilesDir() + QStringLiteral("/mine.set");
    if (kind == QLatin1String("setfile")) {
        return {setFilePath, oldSetFile,
                "[SettingMP]\nMod0=new.zip\nCount=1\n[SettingSP]\nCount=0\n[SettingGlobal]\n"
                "Count=0\n[General]\nOtherCommands=-new\n",
                [setFilePath] {
                    appState().modsMP.append(QStringLiteral("new.zip"));
                    appState().modsMP.setTicked(0, true);
                    appState().otherCommands = QStringLiteral("-new");
                    const SetFileResult result = writeSetFile(setFilePath);
                    return result.ok() ? QString() : result.errorText;
                }};
    }
    const QString configPath = folder.configPath();
    return {configPath, oldConfig, "resolution=800x600\n", [configPath] {
                const GameConfigWriteResult result =
                    writeGameConfigFile(configPath, QStringLiteral("resolution=800x600\n"));
                return result.written ? QString() : result.errorText;
            }};
}

#define REQUIRE_SMALL_DISK(fullDisk)                                                               \
    if (!(fullDisk).disk.isMounted())                                                              \
    QSKIP(qPrintable((fullDisk).disk.whyNot()))
} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void diskFullAtStartUpKeepsOptionsIni();
    void diskFullKeepsOptionsIniWhenLocationsChange();
    void diskFullKeepsSetFile();
    void diskFullCreatesNoSetFile();
    void diskFullKeepsConfiguration();

    void optionsIniThatIsAFolderIsReported();
    void optionsIniBelowARegularFileIsReported();
    void unreadableOptionsIniIsNotOverwritten();
    void saveLocationsRefusesUnreadableOptionsIni();
    void setFileNamedLikeAFolderIsReported();
    void setFileFolderThatIsARegularFileIsReported();
    void configurationThatIsAFolderIsReported();
    void configurationBelowARegularFileIsReported();

    void savesAsAnOrdinaryUser_data();
    void savesAsAnOrdinaryUser();
    void writesInPlaceWhereNoFileMayGoBeside_data();
    void writesInPlaceWhereNoFileMayGoBeside();
};

void SaveFaultsTest::diskFullAtStartUpKeepsOptionsIni()
{
    FullDisk full;
    REQUIRE_SMALL_DISK(full);
    const QByteArray before = readBytes(full.optionsIniPath());
    const QStringList contents = full.contents();
    full.disk.fill();

    MainWindow window;
    QVERIFY(window.startupCompleted());
    expectDiskFullWarning(full.probe, locationsTitle, full.optionsIniPath());
    QVERIFY(readBytes(full.optionsIniPath()) == before);
    QCOMPARE(full.contents(), contents);
}

void SaveFaultsTest::diskFullKeepsOptionsIniWhenLocationsChange()
{
    FullDisk full;
    REQUIRE_SMALL_DISK(full);
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(full.probe.messages.size(), 0);
    const QByteArray before = readBytes(full.optionsIniPath());
    const QStringList contents = full.contents();
    full.disk.fill();

    answerLocationsDialog(full.folder.exePath(), full.folder.modFolder(), full.folder.configPath());
    window.form().ChangePaths->click();
    QCOMPARE(appState().configFilePath, full.folder.configPath());
    expectDiskFullWarning(full.probe, locationsTitle, full.optionsIniPath());
    QVERIFY(readBytes(full.optionsIniPath()) == before);
    QCOMPARE(full.contents(), contents);
}

void SaveFaultsTest::diskFullKeepsSetFile()
{
    FullDisk full;
    REQUIRE_SMALL_DISK(full);
    MainWindow window;
    window.form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
    window.form().listChooseSetting->setCurrentRow(0);
    const QStringList contents = full.contents();
    full.disk.fill();

    window.form().buttonSaveSetting->click();
    expectDiskFullWarning(full.probe, editorTitle, full.setFilePath(QStringLiteral("mine.set")));
    QVERIFY(readBytes(full.setFilePath(QStringLiteral("mine.set"))) == oldSetFile);
    QCOMPARE(full.contents(), contents);
}

void SaveFaultsTest::diskFullCreatesNoSetFile()
{
    FullDisk full;
    REQUIRE_SMALL_DISK(full);
    MainWindow window;
    window.form().listMP->topLevelItem(1)->setCheckState(0, Qt::Checked);
    const QStringList contents = full.contents();
    full.disk.fill();

    answerSetFileCreation(QStringLiteral("CreateWithSelected"), QStringLiteral("new"));
    window.form().buttonCreateSetting->click();
    expectDiskFullWarning(full.probe, editorTitle, full.setFilePath(QStringLiteral("new.set")));
    QCOMPARE(full.contents(), contents);
    QCOMPARE(window.form().listChooseSetting->count(), 1);
}

void SaveFaultsTest::diskFullKeepsConfiguration()
{
    FullDisk full;
    REQUIRE_SMALL_DISK(full);
    MainWindow window;
    QCOMPARE(window.form().editVHConfig->toPlainText(),
             QStringLiteral("resolution = 1024x768\nsound=on\n"));
    window.form().editVHConfig->setPlainText(QStringLiteral("resolution=800x600\n"));
    const QStringList contents = full.contents();
    full.disk.fill();
    // Whether the version it replaces still fits varies with the system's bookkeeping; when it
    // does not, the question comes first.
    full.probe.questionAnswers = {true};

    window.form().buttonVHConfigSave->click();
    if (full.probe.messages.value(0).kind == platform::MessageKind::Question)
        full.probe.messages.removeFirst();
    expectDiskFullWarning(full.probe, editorTitle, full.configPath());
    QVERIFY(readBytes(full.configPath()) == oldConfig);
    QCOMPARE(full.contents(), contents);
}

// Start-up cannot read locations from a folder, asks for them, and leaves the folder alone.
void SaveFaultsTest::optionsIniThatIsAFolderIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    QFile::remove(folder.optionsIniPath());
    writeBytes(folder.optionsIniPath() + QStringLiteral("/inside"), "keep");
    const QStringList before = treeSnapshot(folder.root());

    answerLocationsDialog(folder.exePath(), folder.modFolder(), folder.configPath());
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 2);
    QCOMPARE(probe.messages.first().text, QStringLiteral("Varnhold could not be located."));
    probe.messages.removeFirst();
    expectWarningAbout(probe, locationsTitle,
                       QStringLiteral("Cannot read file %1:\n").arg(folder.optionsIniPath()));
    QCOMPARE(treeSnapshot(folder.root()), before);
}

void SaveFaultsTest::optionsIniBelowARegularFileIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    const QString plainFile = folder.root() + QStringLiteral("/plain");
    writeBytes(plainFile, "a file, not a folder");
    platform::setApplicationDirPathOverride(plainFile);
    const QStringList before = treeSnapshot(folder.root());

    answerLocationsDialog(folder.exePath(), folder.modFolder(), folder.configPath());
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 2);
    probe.messages.removeFirst();
    expectWarning(probe, locationsTitle,
                  QStringLiteral("Cannot write file %1/options.ini:\n%2.")
                      .arg(plainFile, reasons::inMessage(reasons::belowRegularFile())));
    QCOMPARE(treeSnapshot(folder.root()), before);
    QCOMPARE(window.form().listChooseSetting->count(), 0);
}

// An options.ini the tool cannot read may still be replaceable; replacing it would throw away
// every line the user keeps there, so it is left alone and the user is told why.
void SaveFaultsTest::unreadableOptionsIniIsNotOverwritten()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    const QByteArray before = optionsIni(folder.exePath(), folder.modFolder(), folder.configPath());
    writeBytes(folder.optionsIniPath(), before);
    openFolderToEveryone(folder.appDir(), folder.root());
    setMode(folder.optionsIniPath(), 0);
    const auto restore = qScopeGuard([&] { setMode(folder.optionsIniPath(), 0644); });

    {
        AsOrdinaryUser ordinary;
        if (!ordinary.isActive())
            QSKIP(qPrintable(ordinary.whyNot()));
        answerLocationsDialog(folder.exePath(), folder.modFolder(), folder.configPath());
        MainWindow window;
        QVERIFY(window.startupCompleted());
        QCOMPARE(probe.messages.size(), 2);
        QCOMPARE(probe.messages.first().text, QStringLiteral("Varnhold could not be located."));
        probe.messages.removeFirst();
        expectWarning(probe, locationsTitle,
                      QStringLiteral("Cannot read file %1:\nPermission denied.")
                          .arg(folder.optionsIniPath()));
    }
    QVERIFY(readBytes(folder.optionsIniPath()) == before);
}

void SaveFaultsTest::saveLocationsRefusesUnreadableOptionsIni()
{
    PlatformProbe probe;
    TestAppFolder folder;
    writeBytes(folder.optionsIniPath(), userLines);
    openFolderToEveryone(folder.appDir(), folder.root());
    setMode(folder.optionsIniPath(), 0);
    const auto restore = qScopeGuard([&] { setMode(folder.optionsIniPath(), 0644); });
    appState().exePath = QStringLiteral("/new/exe");

    LocationsSaveResult result;
    {
        AsOrdinaryUser ordinary;
        if (!ordinary.isActive())
            QSKIP(qPrintable(ordinary.whyNot()));
        result = saveLocations();
    }
    QVERIFY(!result.saved);
    QCOMPARE(result.errorText, QStringLiteral("Permission denied"));
    QVERIFY(readBytes(folder.optionsIniPath()) == userLines);
    QCOMPARE(QDir(folder.appDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("options.ini")});
}

void SaveFaultsTest::setFileNamedLikeAFolderIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    writeBytes(folder.setFilesDir() + QStringLiteral("/taken.set/inside"), "keep");
    MainWindow window;
    window.form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
    const QStringList before = treeSnapshot(folder.root());

    answerSetFileCreation(QStringLiteral("CreateWithSelected"), QStringLiteral("taken"));
    window.form().buttonCreateSetting->click();
    expectWarningAbout(
        probe, editorTitle,
        QStringLiteral("Cannot write file %1/taken.set:\n").arg(folder.setFilesDir()));
    QCOMPARE(treeSnapshot(folder.root()), before);
}

void SaveFaultsTest::setFileFolderThatIsARegularFileIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    QDir(folder.setFilesDir()).removeRecursively();
    writeBytes(folder.setFilesDir(), "not a folder");
    MainWindow window;
    QCOMPARE(window.form().listChooseSetting->count(), 0);
    const QStringList before = treeSnapshot(folder.root());

    answerSetFileCreation(QStringLiteral("CreateBlank"), QStringLiteral("new"));
    window.form().buttonCreateSetting->click();
    expectWarning(probe, editorTitle,
                  QStringLiteral("Cannot write file %1/new.set:\n%2.")
                      .arg(folder.setFilesDir(), reasons::inMessage(reasons::belowRegularFile())));
    QCOMPARE(treeSnapshot(folder.root()), before);
}

void SaveFaultsTest::configurationThatIsAFolderIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    QFile::remove(folder.configPath());
    writeBytes(folder.configPath() + QStringLiteral("/inside"), "keep");
    const QStringList before = treeSnapshot(folder.root());

    MainWindow window;
    QVERIFY(window.startupCompleted());
    expectWarningAbout(probe, editorTitle,
                       QStringLiteral("Cannot read file %1:\n").arg(folder.configPath()));
    probe.messages.clear();
    window.form().editVHConfig->setPlainText(QStringLiteral("typed=1\n"));
    window.form().buttonVHConfigSave->click();
    expectWarningAbout(probe, editorTitle,
                       QStringLiteral("Cannot write file %1:\n").arg(folder.configPath()));
    QStringList after = treeSnapshot(folder.root());
    QCOMPARE(after, before);
}

void SaveFaultsTest::configurationBelowARegularFileIsReported()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    const QString settings = folder.gameDir() + QStringLiteral("/settings");
    const QString config = settings + QStringLiteral("/config");
    writeBytes(config, oldConfig);
    writeBytes(folder.optionsIniPath(),
               optionsIni(folder.exePath(), folder.modFolder(), config).replace(userLines, ""));
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 0);

    // Another program replaces the folder by a file while the tool runs.
    QVERIFY(QDir(settings).removeRecursively());
    writeBytes(settings, "now a file");
    const QStringList before = treeSnapshot(folder.root());
    window.form().buttonVHConfigSave->click();
    expectWarning(probe, editorTitle,
                  QStringLiteral("Cannot write file %1:\n%2.")
                      .arg(config, reasons::inMessage(reasons::belowRegularFile())));
    QCOMPARE(treeSnapshot(folder.root()), before);
}

void SaveFaultsTest::savesAsAnOrdinaryUser_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("refused");
    // The folder is closed to the player, as that of an installed game is.
    QTest::newRow("options.ini open in a closed folder") << "options" << true << false;
    QTest::newRow("set file open in a closed folder") << "setfile" << true << false;
    QTest::newRow("configuration open in a closed folder") << "config" << true << false;
    QTest::newRow("read-only options.ini") << "options" << false << true;
    QTest::newRow("read-only set file") << "setfile" << false << true;
    QTest::newRow("read-only configuration") << "config" << false << true;
    // A save writes as asked, so it is refused even when the file holds the same already.
    QTest::newRow("read-only options.ini holding the same") << "options unchanged" << false << true;
}

// A file the player may write is written in place where no temporary file can go beside it;
// one the player may not write is refused with the system's reason.
void SaveFaultsTest::savesAsAnOrdinaryUser()
{
    QFETCH(QString, kind);
    QFETCH(bool, fileWritable);
    QFETCH(bool, refused);
    PlatformProbe probe;
    TestAppFolder folder;
    const SavedFile file = savedFile(kind, folder);
    writeBytes(file.path, file.before);
    const QString closedFolder = QFileInfo(file.path).absolutePath();
    openFolderToEveryone(closedFolder, folder.root());
    setMode(closedFolder, 0755);
    setMode(file.path, fileWritable ? 0666 : 0444);

    const OrdinaryUserRun run = runAsOrdinaryUser(file.save);
    if (!run.ran)
        QSKIP(qPrintable(run.whyNot));
    QCOMPARE(run.result, refused ? qt_error_string(EACCES) : QString());
    QCOMPARE(readBytes(file.path), refused ? file.before : file.after);
    QCOMPARE(QDir(closedFolder).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(file.path).fileName()});
}

void SaveFaultsTest::writesInPlaceWhereNoFileMayGoBeside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("options.ini") << "options";
    QTest::newRow("set file") << "setfile";
    QTest::newRow("configuration") << "config";
}

// The same as in a closed folder, on every system: the folder takes no temporary file.
void SaveFaultsTest::writesInPlaceWhereNoFileMayGoBeside()
{
    QFETCH(QString, kind);
    PlatformProbe probe;
    TestAppFolder folder;
    const SavedFile file = savedFile(kind, folder);
    writeBytes(file.path, file.before);
    const QString missing = QFileInfo(file.path).absolutePath() + QStringLiteral("/new.set");
    platform::setFilesBesideTargetsRefused(true);
    const QString result = file.save();
    QString missingReason;
    const bool missingWritten = platform::replaceTextFile(missing, "x\n", &missingReason);
    platform::setFilesBesideTargetsRefused(false);

    QCOMPARE(result, QString());
    QCOMPARE(readBytes(file.path), TestAppFolder::asSaved(file.after));
    QVERIFY(!missingWritten);
    QCOMPARE(missingReason, qt_error_string(EACCES));
    QCOMPARE(QDir(QFileInfo(file.path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(file.path).fileName()});
}

QTEST_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
