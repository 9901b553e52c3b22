#include "EndToEndTest.h"
#include "MapEvents.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

// A player starts a set without the window: from the command line, and from a desktop shortcut
// that the tool made, opened by GLib's own launcher. The game must get the set's mods and no
// window may ever be mapped.
class LaunchSetEndToEnd : public EndToEndTest {
    Q_OBJECT

private slots:
    void launchStartsTheSetWithoutAnyWindow();
    void shortcutMadeInTheWindowStartsTheSet();

private:
    static bool prepare(TestAppFolder &folder, const QString &setName);
};

namespace {
const QString weirdSet = QStringLiteral("It's \"5$\" 100% a\\b.set");
const QByteArray setContent = "[SettingMP]\nMod0=beta.zip\nCount=1\n[SettingSP]\nCount=0\n"
                              "[SettingGlobal]\nMod0=global.zip\nCount=1\n"
                              "[General]\nOtherCommands=-windowed \"two words\"\n";

QStringList expectedLaunch(const TestAppFolder &folder)
{
    return {QFileInfo(folder.gameDir()).canonicalFilePath(), QStringLiteral("--mod_mp=beta.zip"),
            QStringLiteral("--mod=global.zip"), QStringLiteral("-windowed"),
            QStringLiteral("two words")};
}

struct Report {
    bool finished = false;
    int status = -1;
    QByteArray output;
};

Report runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Report report;
    report.finished =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    report.status = process.exitCode();
    report.output = process.readAll();
    return report;
}

QString valueOf(const QString &text, const QString &key)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QString();
}
} // namespace

bool LaunchSetEndToEnd::prepare(TestAppFolder &folder, const QString &setName)
{
    if (!installTool(folder, {QStringLiteral("alpha.zip"), QStringLiteral("beta.zip")},
                     {QStringLiteral("campaign.zip")}, {QStringLiteral("global.zip")}))
        return false;
    folder.createSetFile(setName, setContent);
    return true;
}

void LaunchSetEndToEnd::launchStartsTheSetWithoutAnyWindow()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(prepare(folder, QStringLiteral("Two Words.set")));
    MapEvents maps(folder.root() + QStringLiteral("/map-events.log"));
    QVERIFY2(maps.startWatching(deadlines::step()), "the watch for mapped windows never saw one");

    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/tool-output.log"));
    QVERIFY(tool.start({QStringLiteral("-style"), QStringLiteral("fusion"),
                        QStringLiteral("--launch"), QStringLiteral("Two Words")}));
    QVERIFY2(tool.waitForExit(deadlines::toolStart()), qPrintable(tool.describe()));
    QVERIFY2(tool.exitStatus() == 0, qPrintable(tool.describe()));
    QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.recordedLaunches(), QList<QStringList>{expectedLaunch(folder)});
    QCOMPARE(maps.mappedWindows(), 0);
}

void LaunchSetEndToEnd::shortcutMadeInTheWindowStartsTheSet()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(prepare(folder, weirdSet));
    // An installed folder carries its icons below it; the shortcut shows the biggest.
    const QString icon =
        folder.appDir() +
        QStringLiteral("/share/icons/hicolor/256x256/apps/varnhold-mod-manager.png");
    QDir().mkpath(QFileInfo(icon).absolutePath());
    QVERIFY(QFile::copy(QStringLiteral(VMM_ICON_256), icon));
    // The desktop folder that user-dirs.dirs names; it does not exist yet.
    const QString desktop = folder.root() + QStringLiteral("/My Desktop");
    QTemporaryDir config;
    TestAppFolder::writeFile(config.path() + QStringLiteral("/user-dirs.dirs"),
                             "XDG_DESKTOP_DIR=\"" + desktop.toUtf8() + "\"\n");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const auto restoreConfigHome = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
    const QString shortcut = desktop + QStringLiteral("/It's \"5$\" 100% a\\b - Varnhold.desktop");

    {
        ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/window-run.log"));
        const XDisplay::WindowId window = startTool(tool, spots::otherOptionsField);
        QVERIFY(!window.isEmpty());
        display.click(window, spots::setFilesPageTitle);
        // Past the run button into the set-file list, its first set current, then its menu.
        display.pressKeys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Home"),
                           QStringLiteral("shift+F10")});
        display.screenshot(QStringLiteral("context-menu"));
        display.pressKeys({QStringLiteral("Down"), QStringLiteral("Return")});
        QVERIFY2(waitForFile(shortcut), qPrintable(tool.describe()));
    }

    const Report validation = runProgram(QStringLiteral(VMM_DESKTOP_FILE_VALIDATE), {shortcut});
    QVERIFY2(validation.finished && validation.status == 0, validation.output.constData());
    QVERIFY2(validation.output.isEmpty(), validation.output.constData());
    QVERIFY(QFileInfo(shortcut).isExecutable());
    const QString entry = QString::fromUtf8(TestAppFolder::readFile(shortcut));
    QCOMPARE(valueOf(entry, QStringLiteral("Icon")), icon);
    QVERIFY2(
        valueOf(entry, QStringLiteral("Exec"))
            .endsWith(QStringLiteral(" --launch \"It's \\\\\"5\\\\$\\\\\" 100%% a\\\\\\\\b.set\"")),
        qPrintable(entry));

    MapEvents maps(folder.root() + QStringLiteral("/map-events.log"));
    QVERIFY2(maps.startWatching(deadlines::step()), "the watch for mapped windows never saw one");
    ToolProcess launcher(QStringLiteral(VMM_GIO), folder.root() + QStringLiteral("/gio.log"));
    QVERIFY(launcher.start({QStringLiteral("launch"), shortcut}));
    QVERIFY2(launcher.waitForExit(deadlines::step()), qPrintable(launcher.describe()));
    QVERIFY2(launcher.exitStatus() == 0, qPrintable(launcher.describe()));
    QVERIFY2(folder.waitForLaunches(1, deadlines::toolStart()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.recordedLaunches(), QList<QStringList>{expectedLaunch(folder)});
    // The tool ends right after starting the game; a window of its would have come by then.
    QThread::msleep(500);
    QCOMPARE(maps.mappedWindows(), 0);
}

QTEST_GUILESS_MAIN(LaunchSetEndToEnd)
#include "tst_e2e_launchset.moc"
