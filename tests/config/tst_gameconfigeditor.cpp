#include "DialogDriver.h"
#include "StartedTool.h"
#include "SystemReasons.h"

#include "app/state/AppState.h"
#include "config/ConfigBackups.h"
#include "config/GameConfigEditor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QInputDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTimer>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#endif

namespace {
#ifdef Q_OS_WIN
const QByteArray lineEnd = "\r\n";
#else
const QByteArray lineEnd = "\n";
#endif

// The editor's text after a start-up that found `content` in the configuration file.
struct StartedOnConfig : StartedTool {
    explicit StartedOnConfig(const QByteArray &content)
        : StartedTool([&content](TestAppFolder &folder) {
            folder.createReadyTool();
            TestAppFolder::writeFile(folder.configPath(), content);
        })
    {}
    QPlainTextEdit *editor() { return form().editVHConfig; }
    void save() { form().buttonVHConfigSave->click(); }
    QByteArray onDisk() const { return TestAppFolder::readFile(folder.configPath()); }
};

void expectWarning(const PlatformProbe &probe, const char *verb, const QString &path)
{
    QCOMPARE(probe.messages.size(), 1);
    const platform::MessageRecord &warning = probe.messages.at(0);
    QCOMPARE(warning.kind, platform::MessageKind::Warning);
    QCOMPARE(warning.title, QStringLiteral("Halvane v5"));
    const QString head = QStringLiteral("Cannot %1 file %2:\n").arg(QLatin1String(verb), path);
    QVERIFY2(warning.text.startsWith(head), qPrintable(warning.text));
    QVERIFY(warning.text.endsWith(QLatin1Char('.')));
    QVERIFY2(warning.text.size() > head.size() + 1, "the system's reason is missing");
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QList<QByteArray> keptVersions(const QString &configPath)
{
    QList<QByteArray> versions;
    for (const ConfigBackup &backup : listConfigBackups(configPath))
        versions << TestAppFolder::readFile(backup.path);
    return versions;
}

// Opens the editor's context menu as the right mouse button does and acts on it while it is open.
void withConfigMenu(QPlainTextEdit *editor, const std::function<void(QMenu *)> &act)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        opened = menu != nullptr;
        if (menu) {
            act(menu);
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            editor->viewport()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(editor->viewport(), &event);
    QVERIFY(opened);
}
} // namespace

class GameConfigEditorTest : public QObject {
    Q_OBJECT

private slots:
    void showsWindowsLineEndsLineByLine();
    void savesTheEditorsText_data();
    void savesTheEditorsText();
    void repeatedSavesWriteTheSameContent();
    void saveGoesToTheCurrentPath();
    void saveKeepsTheEncodingTheGameReads_data();
    void saveKeepsTheEncodingTheGameReads();

    void everySaveKeepsTheVersionItReplaces();
    void unwritableBackupFolderAsksFirst();
    void restoredVersionIsSavedBack();

    void unreadableConfigWarnsAndStartupGoesOn();
    void readErrorAfterOpenKeepsTheEditorEmpty();
    void failedSaveKeepsOldFileWhole_data();
    void failedSaveKeepsOldFileWhole();
};

void GameConfigEditorTest::showsWindowsLineEndsLineByLine()
{
    StartedOnConfig tool("resolution=1024x768\r\nsound=on\r\n\r\n[net]\r\nport=7777");
    QVERIFY(tool.probe.messages.isEmpty());
    QCOMPARE(tool.editor()->toPlainText(),
             QStringLiteral("resolution=1024x768\nsound=on\n\n[net]\nport=7777"));
    QCOMPARE(tool.editor()->document()->blockCount(), 5);
}

void GameConfigEditorTest::savesTheEditorsText_data()
{
    QTest::addColumn<QByteArray>("read");
    // A null text leaves the editor as it was read.
    QTest::addColumn<QString>("typed");
    // With "\n" for the platform's line end.
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("as read, with the platform's line ends")
        << QByteArray("a=1\r\nb=2\r\n") << QString() << QByteArray("a=1\nb=2\n");
    QTest::newRow("as edited") << QByteArray("old=1\n")
                               << QStringLiteral("player=Jörg\nvolume=  7 \n")
                               << QStringLiteral("player=Jörg\nvolume=  7 \n").toLocal8Bit();
    QTest::newRow("emptied, leaving an empty file")
        << QByteArray("something=1\n") << QStringLiteral("") << QByteArray();
}

void GameConfigEditorTest::savesTheEditorsText()
{
    QFETCH(QByteArray, read);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    StartedOnConfig tool(read);
    if (!typed.isNull())
        tool.editor()->setPlainText(typed);
    tool.save();
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(QFileInfo::exists(tool.folder.configPath()));
    QCOMPARE(tool.onDisk(), saved.replace("\n", lineEnd));
}

void GameConfigEditorTest::repeatedSavesWriteTheSameContent()
{
    StartedOnConfig tool("x=1\ny=2\n");
    tool.save();
    const QByteArray first = tool.onDisk();
    tool.save();
    QCOMPARE(tool.onDisk(), first);
    QCOMPARE(first, "x=1" + lineEnd + "y=2" + lineEnd);
    QVERIFY(tool.probe.messages.isEmpty());
    QCOMPARE(entriesOf(tool.folder.gameDir()).size(), 3); // no temporary files left behind
}

// The editor is never reloaded: a path changed later gets the text read at start-up.
void GameConfigEditorTest::saveGoesToTheCurrentPath()
{
    StartedOnConfig tool("kept=1\n");
    const QString moved = tool.folder.root() + QStringLiteral("/moved-config");
    appState().configFilePath = moved;
    tool.save();
    QVERIFY(tool.probe.messages.isEmpty());
    QCOMPARE(TestAppFolder::readFile(moved), "kept=1" + lineEnd);
    QCOMPARE(tool.onDisk(), QByteArray("kept=1\n"));
}

// A folder passes the existence check of start-up but cannot be read as a file.
void GameConfigEditorTest::unreadableConfigWarnsAndStartupGoesOn()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    const QString folderAsConfig = folder.gameDir() + QStringLiteral("/config-folder");
    QVERIFY(QDir().mkpath(folderAsConfig));
    TestAppFolder::writeFile(folder.optionsIniPath(),
                             QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\n"
                                            "ConfigFilePath=%3\n")
                                 .arg(folder.exePath(), folder.modFolder(), folderAsConfig)
                                 .toUtf8());

    MainWindow window;

    QVERIFY(window.startupCompleted());
    QVERIFY(probe.exits.isEmpty());
    expectWarning(probe, "read", folderAsConfig);
    QVERIFY(window.form().editVHConfig->toPlainText().isEmpty());
}

// Showing half a file would let the next save throw away the rest of it.
void GameConfigEditorTest::readErrorAfterOpenKeepsTheEditorEmpty()
{
    const QString failingFile = QStringLiteral("/proc/self/mem"); // opens, but reading fails
    if (!QFileInfo::exists(failingFile))
        QSKIP("needs /proc/self/mem");
    StartedOnConfig tool("a=1\n");
    tool.editor()->clear();
    appState().configFilePath = failingFile;

    loadGameConfig(tool.window->form(), tool.window.get());

    expectWarning(tool.probe, "read", failingFile);
    QVERIFY(tool.editor()->toPlainText().isEmpty());
}

void GameConfigEditorTest::failedSaveKeepsOldFileWhole_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("sizeLimited");
    // %1 the configuration file, %2 the game folder.
    QTest::newRow("folder at the file's path") << QStringLiteral("%2/mods") << false;
    QTest::newRow("path below a regular file") << QStringLiteral("%1/config") << false;
    // The write fails half-way, past the process's file size limit.
    QTest::newRow("the file itself, too large to write") << QStringLiteral("%1") << true;
}

void GameConfigEditorTest::failedSaveKeepsOldFileWhole()
{
    QFETCH(QString, target);
    QFETCH(bool, sizeLimited);
#ifndef Q_OS_UNIX
    if (sizeLimited)
        QSKIP("needs a file size limit");
#endif
    StartedOnConfig tool("resolution=800x600\r\nsound=off\r\n");
    target.replace(QLatin1String("%1"), tool.folder.configPath())
        .replace(QLatin1String("%2"), tool.folder.gameDir());
    const QByteArray old = tool.onDisk();
    const QStringList entriesBefore = entriesOf(tool.folder.gameDir());
    const QStringList modEntriesBefore = entriesOf(tool.folder.modFolder());
    tool.editor()->setPlainText(QStringLiteral("replacement=1\n"));
    appState().configFilePath = target;

#ifdef Q_OS_UNIX
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = sizeLimited ? 4 : previous.rlim_cur;
    setrlimit(RLIMIT_FSIZE, &limited);
    tool.save();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
#else
    tool.save();
#endif

    expectWarning(tool.probe, "write", target);
#ifdef Q_OS_UNIX
    if (sizeLimited) // cut short, the write still gives the system's reason
        QVERIFY(tool.probe.messages.at(0).text.endsWith(qt_error_string(EFBIG) + QLatin1Char('.')));
#endif
    QCOMPARE(tool.onDisk(), old);
    QCOMPARE(entriesOf(tool.folder.gameDir()), entriesBefore);
    QCOMPARE(entriesOf(tool.folder.modFolder()), modEntriesBefore);
    QCOMPARE(tool.editor()->toPlainText(), QStringLiteral("replacement=1\n"));
}

// The game reads its configuration file itself, in whatever encoding it is in: a save keeps
// that encoding, even for text the code page cannot hold, and keeps a UTF-8 file's mark where
// the mark is what tells UTF-8 apart from the code page.
void GameConfigEditorTest::saveKeepsTheEncodingTheGameReads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("refused");
    const auto system = [](const QString &text) {
        return QByteArray(QStringEncoder(QStringConverter::System).encode(text));
    };
    const QByteArray mark("\xEF\xBB\xBF");
    const QString accented = QStringLiteral("name=Välheim") + QString::fromLatin1(lineEnd);
    const QString beyond = QStringLiteral("name=日本 Ærø") + QString::fromLatin1(lineEnd);
    const QString typed = QStringLiteral("x=日本");
    QTest::newRow("code page") << system(accented) << QString() << system(accented) << false;
#ifdef Q_OS_WIN
    // The game would find question marks where the player typed letters: nothing is written.
    QTest::newRow("code page, typed beyond it")
        << system(accented) << typed << system(accented) << true;
#else
    QTest::newRow("code page, typed beyond it")
        << system(accented) << typed << system(accented + typed) << false;
#endif
    const QByteArray notUtf8 = QByteArray("name=V\xE4lheim") + lineEnd;
    QTest::newRow("not UTF-8, edited")
        << notUtf8 << QStringLiteral("x=1")
        << system(QString(QStringDecoder(QStringConverter::System)(notUtf8)).remove('\r') + "x=1")
               .replace("\n", lineEnd)
        << false;
    QTest::newRow("UTF-8") << beyond.toUtf8() << typed << (beyond + typed).toUtf8() << false;
    QTest::newRow("UTF-8 with byte-order mark")
        << mark + beyond.toUtf8() << QString() << mark + beyond.toUtf8() << false;
}

void GameConfigEditorTest::saveKeepsTheEncodingTheGameReads()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    QFETCH(bool, refused);
    StartedOnConfig tool(content);
    QVERIFY(tool.probe.messages.isEmpty());
    tool.editor()->setPlainText(tool.editor()->toPlainText() + typed);
    tool.save();
    if (refused)
        expectWarning(tool.probe, "write", tool.folder.configPath());
    else
        QVERIFY(tool.probe.messages.isEmpty());
    QCOMPARE(tool.onDisk(), saved);
    // Only a save that changes the file keeps what it replaces, byte for byte.
    QCOMPARE(keptVersions(tool.folder.configPath()),
             saved == content ? QList<QByteArray>() : QList<QByteArray>{content});
}

// The 21st save removes the oldest version; the rest stay newest first. Saves this quick fall
// into the same second, and none may take another's place.
void GameConfigEditorTest::everySaveKeepsTheVersionItReplaces()
{
    StartedOnConfig tool("v=0\n");
    QList<QByteArray> expected;
    for (int i = 1; i <= 21; ++i) {
        tool.editor()->setPlainText(QStringLiteral("v=%1\n").arg(i));
        tool.save();
        expected.prepend(i == 1 ? QByteArray("v=0\n") : "v=" + QByteArray::number(i - 1) + lineEnd);
    }
    QCOMPARE(keptVersions(tool.folder.configPath()), expected.mid(0, 20));
}

// No leaves the file as it is.
void GameConfigEditorTest::unwritableBackupFolderAsksFirst()
{
    for (const bool saveAnyway : {false, true}) {
        StartedOnConfig tool("a=1\n");
        TestAppFolder::writeFile(tool.folder.appDir() + "/Config Backups", "in the folder's place");
        tool.probe.questionAnswers = {saveAnyway};
        tool.editor()->setPlainText(QStringLiteral("b=2\n"));
        tool.save();
        const platform::MessageRecord asked = tool.probe.messages.value(0);
        QCOMPARE(asked.kind, platform::MessageKind::Question);
        QCOMPARE(
            asked.title + ": " + asked.text,
            QStringLiteral("Halvane v5: The earlier version of %1 could not be kept:\n%2.\n"
                           "Save anyway?")
                .arg(tool.folder.configPath(), reasons::inMessage(reasons::belowRegularFile())));
        QCOMPARE(tool.onDisk(), saveAnyway ? "b=2" + lineEnd : QByteArray("a=1\n"));
    }
}

// Restoring only fills the editor; the save then keeps the version it replaced in turn.
void GameConfigEditorTest::restoredVersionIsSavedBack()
{
    const QString original = QStringLiteral("player=Jörg\n");
    StartedOnConfig tool(TestAppFolder::asSaved(original.toUtf8()));
    withConfigMenu(tool.editor(), [](QMenu *menu) {
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("Restore Earlier Version..."));
        QVERIFY(!menu->actions().last()->isEnabled());
        QVERIFY(menu->actions().size() > 3); // the editor's own ones come first
    });
    for (const char *version : {"player=Jörg\nv=1\n", "player=Jörg\nv=2\n"}) {
        tool.editor()->setPlainText(QString::fromUtf8(version));
        tool.save();
    }
    DialogDriver driver;
    driver.expect("RestoreEarlierVersion", [](QDialog *dialog) {
        auto *versions = qobject_cast<QInputDialog *>(dialog);
        versions->setTextValue(versions->comboBoxItems().last());
        versions->accept();
    });

    withConfigMenu(tool.editor(), [](QMenu *menu) { menu->actions().last()->trigger(); });

    QCOMPARE(tool.editor()->toPlainText(), original);
    tool.save();
    QCOMPARE(keptVersions(tool.folder.configPath()).value(0),
             TestAppFolder::asSaved("player=Jörg\nv=2\n"));
}

QTEST_MAIN(GameConfigEditorTest)
#include "tst_gameconfigeditor.moc"
