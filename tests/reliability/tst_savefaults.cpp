// Saving options.ini, a set file and the game configuration when the disk is full, when the
// target cannot be written, or when the old file cannot even be read: the old file stays byte
// for byte, nothing half-written is left, and the user is told.

#include "DialogDriver.h"
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
#include <memory>

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

// The saves a full disk is tried with.
enum FullDiskSave {
    OptionsAtStartUp,
    OptionsWhenLocationsChange,
    SetFileSaved,
    SetFileCreated,
    ConfigurationSaved
};

// The tool's folder, the set files and the configuration on a small file system of their own;
// the game and its mods stay on the ordinary disk.
struct FullDisk {
    FullDisk()
    {
        if (!disk.isMounted())
            return;
        folder.createReadyTool({QStringLiteral("a.zip"), QStringLiteral("b.zip")});
        TestAppFolder::writeFile(configPath(), oldConfig);
        TestAppFolder::writeFile(optionsIniPath(),
                                 optionsIni(folder.exePath(), folder.modFolder(), configPath()));
        TestAppFolder::writeFile(setFilePath(QStringLiteral("mine.set")), oldSetFile);
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

// What stands where the tool reads or writes a file.
enum Obstacle {
    OptionsIniIsAFolder,
    OptionsIniBelowAFile,
    SetFileIsAFolder,
    SetFileFolderIsAFile,
    ConfigurationIsAFolder,
    ConfigurationBelowAFile
};

#define REQUIRE_SMALL_DISK(fullDisk)                                                               \
    if (!(fullDisk).disk.isMounted())                                                              \
    QSKIP(qPrintable((fullDisk).disk.whyNot()))
} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void diskFullKeepsEveryFile_data();
    void diskFullKeepsEveryFile();

    void fileInTheWayIsReported_data();
    void fileInTheWayIsReported();
    void unreadableOptionsIniIsNotOverwritten();
    void saveLocationsRefusesUnreadableOptionsIni();

    void savesAsAnOrdinaryUser_data();
    void savesAsAnOrdinaryUser();
    void writesInPlaceWhereNoFileMayGoBeside_data();
    void writesInPlaceWhereNoFileMayGoBeside();
};

void SaveFaultsTest::diskFullKeepsEveryFile_data()
{
    QTest::addColumn<int>("save");
    QTest::addColumn<QString>("title");
    // The file the save goes to, on the small disk.
    QTest::addColumn<QString>("file");
    QTest::newRow("options.ini at start-up")
        << int(OptionsAtStartUp) << locationsTitle << "app/options.ini";
    QTest::newRow("options.ini when locations change")
        << int(OptionsWhenLocationsChange) << locationsTitle << "app/options.ini";
    QTest::newRow("set file saved") << int(SetFileSaved) << editorTitle << "app/Set Files/mine.set";
    QTest::newRow("set file created")
        << int(SetFileCreated) << editorTitle << "app/Set Files/new.set";
    QTest::newRow("configuration") << int(ConfigurationSaved) << editorTitle << "config";
}

// The one warning a save into a full disk must give; the old file stays byte for byte (a new
// one is not made), and nothing else comes or goes.
void SaveFaultsTest::diskFullKeepsEveryFile()
{
    QFETCH(int, save);
    QFETCH(QString, title);
    QFETCH(QString, file);
    FullDisk full;
    REQUIRE_SMALL_DISK(full);
    const QString path = full.disk.path() + QLatin1Char('/') + file;
    std::unique_ptr<MainWindow> window;
    if (save != OptionsAtStartUp) {
        window = std::make_unique<MainWindow>();
        QVERIFY(window->startupCompleted());
        QCOMPARE(full.probe.messages.size(), 0);
    }
    MainWindowForm *form = window ? &window->form() : nullptr;
    if (save == SetFileSaved) {
        form->listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
        form->listChooseSetting->setCurrentRow(0);
    } else if (save == SetFileCreated) {
        form->listMP->topLevelItem(1)->setCheckState(0, Qt::Checked);
    } else if (save == ConfigurationSaved) {
        QCOMPARE(form->editVHConfig->toPlainText(),
                 QStringLiteral("resolution = 1024x768\nsound=on\n"));
        form->editVHConfig->setPlainText(QStringLiteral("resolution=800x600\n"));
    }
    const QByteArray before = TestAppFolder::readFile(path);
    const QStringList contents = full.contents();
    full.disk.fill();

    DialogDriver dialogs;
    switch (save) {
    case OptionsAtStartUp:
        window = std::make_unique<MainWindow>();
        QVERIFY(window->startupCompleted());
        break;
    case OptionsWhenLocationsChange:
        dialogs.answerLocations(full.folder.exePath(), full.folder.modFolder(),
                                full.folder.configPath());
        form->ChangePaths->click();
        QCOMPARE(appState().configFilePath, full.folder.configPath());
        break;
    case SetFileSaved:
        form->buttonSaveSetting->click();
        break;
    case SetFileCreated:
        dialogs.answerSetFileCreation(QStringLiteral("CreateWithSelected"), QStringLiteral("new"));
        form->buttonCreateSetting->click();
        QCOMPARE(form->listChooseSetting->count(), 1);
        break;
    case ConfigurationSaved:
        // Whether the version it replaces still fits varies with the system's bookkeeping;
        // when it does not, the question comes first.
        full.probe.questionAnswers = {true};
        form->buttonVHConfigSave->click();
        if (full.probe.messages.value(0).kind == platform::MessageKind::Question)
            full.probe.messages.removeFirst();
        break;
    }
    expectWarning(full.probe, title,
                  QStringLiteral("Cannot write file %1:\nNo space left on device.").arg(path));
    QVERIFY(TestAppFolder::readFile(path) == before);
    QCOMPARE(full.contents(), contents);
}

void SaveFaultsTest::fileInTheWayIsReported_data()
{
    QTest::addColumn<int>("obstacle");
    QTest::addColumn<QString>("title");
    // %1 the tool folder's root; %2 the system's reason for a path below a regular file. A
    // text that ends at its line break is followed by a reason that differs between systems.
    QTest::addColumn<QString>("warning");
    QTest::newRow("options.ini a folder")
        << int(OptionsIniIsAFolder) << locationsTitle << "Cannot read file %1/app/options.ini:\n";
    QTest::newRow("options.ini below a regular file")
        << int(OptionsIniBelowAFile) << locationsTitle
        << "Cannot write file %1/plain/options.ini:\n%2.";
    QTest::newRow("set file a folder") << int(SetFileIsAFolder) << editorTitle
                                       << "Cannot write file %1/app/Set Files/taken.set:\n";
    QTest::newRow("set-file folder a regular file")
        << int(SetFileFolderIsAFile) << editorTitle
        << "Cannot write file %1/app/Set Files/new.set:\n%2.";
    QTest::newRow("configuration a folder")
        << int(ConfigurationIsAFolder) << editorTitle << "Cannot write file %1/game/config:\n";
    QTest::newRow("configuration below a regular file")
        << int(ConfigurationBelowAFile) << editorTitle
        << "Cannot write file %1/game/settings/config:\n%2.";
}

// A folder or a file where the tool reads or writes: the user is told, and nothing on disk
// changes. Start-up that cannot read locations asks for them.
void SaveFaultsTest::fileInTheWayIsReported()
{
    QFETCH(int, obstacle);
    QFETCH(QString, title);
    QFETCH(QString, warning);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    warning = warning.arg(folder.root(), reasons::inMessage(reasons::belowRegularFile()));
    const QString settings = folder.gameDir() + QStringLiteral("/settings");
    DialogDriver dialogs;
    std::unique_ptr<MainWindow> window;
    QStringList before;
    switch (obstacle) {
    case OptionsIniIsAFolder:
    case OptionsIniBelowAFile:
        if (obstacle == OptionsIniIsAFolder) {
            QFile::remove(folder.optionsIniPath());
            TestAppFolder::writeFile(folder.optionsIniPath() + QStringLiteral("/inside"), "keep");
        } else {
            TestAppFolder::writeFile(folder.root() + QStringLiteral("/plain"),
                                     "a file, not a folder");
            platform::setApplicationDirPathOverride(folder.root() + QStringLiteral("/plain"));
        }
        before = treeSnapshot(folder.root());
        dialogs.answerLocations(folder.exePath(), folder.modFolder(), folder.configPath());
        window = std::make_unique<MainWindow>();
        QVERIFY(window->startupCompleted());
        QCOMPARE(probe.messages.size(), 2);
        QCOMPARE(probe.messages.first().text, QStringLiteral("Varnhold could not be located."));
        probe.messages.removeFirst();
        QCOMPARE(window->form().listChooseSetting->count(), 0);
        break;
    case SetFileIsAFolder:
    case SetFileFolderIsAFile:
        if (obstacle == SetFileIsAFolder) {
            TestAppFolder::writeFile(folder.setFilesDir() + QStringLiteral("/taken.set/inside"),
                                     "keep");
        } else {
            QDir(folder.setFilesDir()).removeRecursively();
            TestAppFolder::writeFile(folder.setFilesDir(), "not a folder");
        }
        window = std::make_unique<MainWindow>();
        if (obstacle == SetFileFolderIsAFile)
            QCOMPARE(window->form().listChooseSetting->count(), 0);
        window->form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
        before = treeSnapshot(folder.root());
        if (obstacle == SetFileIsAFolder)
            dialogs.answerSetFileCreation(QStringLiteral("CreateWithSelected"),
                                          QStringLiteral("taken"));
        else
            dialogs.answerSetFileCreation(QStringLiteral("CreateBlank"), QStringLiteral("new"));
        window->form().buttonCreateSetting->click();
        break;
    case ConfigurationIsAFolder:
        QFile::remove(folder.configPath());
        TestAppFolder::writeFile(folder.configPath() + QStringLiteral("/inside"), "keep");
        before = treeSnapshot(folder.root());
        window = std::make_unique<MainWindow>();
        QVERIFY(window->startupCompleted());
        expectWarningAbout(probe, editorTitle,
                           QStringLiteral("Cannot read file %1:\n").arg(folder.configPath()));
        probe.messages.clear();
        window->form().editVHConfig->setPlainText(QStringLiteral("typed=1\n"));
        window->form().buttonVHConfigSave->click();
        break;
    case ConfigurationBelowAFile:
        TestAppFolder::writeFile(settings + QStringLiteral("/config"), oldConfig);
        TestAppFolder::writeFile(
            folder.optionsIniPath(),
            optionsIni(folder.exePath(), folder.modFolder(), settings + QStringLiteral("/config"))
                .replace(userLines, ""));
        window = std::make_unique<MainWindow>();
        QVERIFY(window->startupCompleted());
        QCOMPARE(probe.messages.size(), 0);
        // Another program replaces the folder by a file while the tool runs.
        QVERIFY(QDir(settings).removeRecursively());
        TestAppFolder::writeFile(settings, "now a file");
        before = treeSnapshot(folder.root());
        window->form().buttonVHConfigSave->click();
        break;
    }
    if (warning.endsWith(QLatin1Char('\n')))
        expectWarningAbout(probe, title, warning);
    else
        expectWarning(probe, title, warning);
    QCOMPARE(treeSnapshot(folder.root()), before);
}

// An options.ini the tool cannot read may still be replaceable; replacing it would throw away
// every line the user keeps there, so it is left alone and the user is told why.
void SaveFaultsTest::unreadableOptionsIniIsNotOverwritten()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    const QByteArray before = optionsIni(folder.exePath(), folder.modFolder(), folder.configPath());
    TestAppFolder::writeFile(folder.optionsIniPath(), before);
    openFolderToEveryone(folder.appDir(), folder.root());
    setMode(folder.optionsIniPath(), 0);
    const auto restore = qScopeGuard([&] { setMode(folder.optionsIniPath(), 0644); });

    {
        AsOrdinaryUser ordinary;
        if (!ordinary.isActive())
            QSKIP(qPrintable(ordinary.whyNot()));
        DialogDriver dialogs;
        dialogs.answerLocations(folder.exePath(), folder.modFolder(), folder.configPath());
        MainWindow window;
        QVERIFY(window.startupCompleted());
        QCOMPARE(probe.messages.size(), 2);
        QCOMPARE(probe.messages.first().text, QStringLiteral("Varnhold could not be located."));
        probe.messages.removeFirst();
        expectWarning(probe, locationsTitle,
                      QStringLiteral("Cannot read file %1:\nPermission denied.")
                          .arg(folder.optionsIniPath()));
    }
    QVERIFY(TestAppFolder::readFile(folder.optionsIniPath()) == before);
}

void SaveFaultsTest::saveLocationsRefusesUnreadableOptionsIni()
{
    PlatformProbe probe;
    TestAppFolder folder;
    TestAppFolder::writeFile(folder.optionsIniPath(), userLines);
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
    QVERIFY(TestAppFolder::readFile(folder.optionsIniPath()) == userLines);
    QCOMPARE(QDir(folder.appDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("options.ini")});
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
    TestAppFolder::writeFile(file.path, file.before);
    const QString closedFolder = QFileInfo(file.path).absolutePath();
    openFolderToEveryone(closedFolder, folder.root());
    setMode(closedFolder, 0755);
    setMode(file.path, fileWritable ? 0666 : 0444);

    const OrdinaryUserRun run = runAsOrdinaryUser(file.save);
    if (!run.ran)
        QSKIP(qPrintable(run.whyNot));
    QCOMPARE(run.result, refused ? qt_error_string(EACCES) : QString());
    QCOMPARE(TestAppFolder::readFile(file.path), refused ? file.before : file.after);
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
    TestAppFolder::writeFile(file.path, file.before);
    const QString missing = QFileInfo(file.path).absolutePath() + QStringLiteral("/new.set");
    platform::setFilesBesideTargetsRefused(true);
    const QString result = file.save();
    QString missingReason;
    const bool missingWritten = platform::replaceTextFile(missing, "x\n", &missingReason);
    platform::setFilesBesideTargetsRefused(false);

    QCOMPARE(result, QString());
    QCOMPARE(TestAppFolder::readFile(file.path), TestAppFolder::asSaved(file.after));
    QVERIFY(!missingWritten);
    QCOMPARE(missingReason, qt_error_string(EACCES));
    QCOMPARE(QDir(QFileInfo(file.path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(file.path).fileName()});
}

QTEST_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
