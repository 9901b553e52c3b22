#include "PlatformProbe.h"
#include "SystemReasons.h"
#include "TestAppFolder.h"

#include "app/state/AppState.h"
#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/SetLaunch.h"
#include "setfiles/MissingMods.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using Files = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(platform::DetachedStartRequest)

namespace {
// The mods of every fixture's game; the sets below name some of them.
const QStringList multiplay{"a.zip", "b c.zip", "Zed.pak"};
const QStringList campaign{"s.zip"};
const QStringList global{"g.zip", "a.zip"};

const QByteArray twoWords = "[SettingMP]\nMod0=b c.zip\nMod1=a.zip\nCount=2\n"
                            "[SettingSP]\nMod0=s.zip\nCount=1\n"
                            "[SettingGlobal]\nMod0=a.zip\nCount=1\n"
                            "[General]\nOtherCommands=-x \"y z\" \"\"\"q\"\"\"\n";
const QByteArray withMissing = "[SettingMP]\nMod0=a.zip\nMod1=gone.zip\nCount=2\n"
                               "[SettingSP]\nMod0=g.zip\nCount=1\n"
                               "[General]\nOtherCommands=-y\n";

struct Run {
    QVector<int> exits;
    QVector<platform::MessageRecord> messages;
    QVector<platform::DetachedStartRequest> starts;
    bool windowShown = false;
};

// Set files and a probe for one run; the folder is shared, so that two runs start the same
// game in the same place.
void prepare(TestAppFolder &folder, const Files &setFiles)
{
    folder.createReadyTool(multiplay, campaign, global);
    for (auto it = setFiles.cbegin(); it != setFiles.cend(); ++it) {
        if (it.value() == "folder")
            QDir(folder.setFilesDir()).mkpath(it.key());
        else
            folder.createSetFile(it.key(), it.value());
    }
}

Run record(const PlatformProbe &probe, const MainWindow &window)
{
    return Run{probe.exits, probe.messages, probe.starts, window.isVisible()};
}

// What main() does with --launch NAME.
Run launchByName(const QString &name, const QList<bool> &answers = {}, bool startFails = false)
{
    PlatformProbe probe;
    probe.fakeStarts = true;
    probe.questionAnswers = answers;
    if (startFails)
        probe.fakeStartOutcome = {false, QStringLiteral("Exec format error")};
    MainWindow window;
    launchSet(window, name);
    return record(probe, window);
}

// What a player does: choose the set, press "Load Selected Setting File", then "Run Varnhold".
Run loadAndRun(const QString &setFileName)
{
    PlatformProbe probe;
    probe.fakeStarts = true;
    MainWindow window;
    QListWidget *list = window.form().listChooseSetting;
    const QList<QListWidgetItem *> items = list->findItems(setFileName, Qt::MatchExactly);
    if (items.isEmpty())
        return Run{};
    list->setCurrentItem(items.first());
    window.form().buttonLoadSetting->click();
    window.form().buttonRun->click();
    return record(probe, window);
}

} // namespace

class SetLaunchTest : public QObject {
    Q_OBJECT

private slots:
    void optionIsReadBesideOtherArguments_data();
    void optionIsReadBesideOtherArguments();
    void launchStartsWhatLoadAndRunStart_data();
    void launchStartsWhatLoadAndRunStart();
    void launchEndsWithItsStatus_data();
    void launchEndsWithItsStatus();
    void startUpStatusesComeThrough();
    void missingModsAreListedByList_data();
    void missingModsAreListedByList();
    void missingModsAreThoseTheirListLacks();
    void toolStartsTheSetFromItsCommandLine_data();
    void toolStartsTheSetFromItsCommandLine();
    void toolShowsItsUsage_data();
    void toolShowsItsUsage();
};

void SetLaunchTest::optionIsReadBesideOtherArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QString>("mistake");
    QTest::addColumn<bool>("help");
    QTest::newRow("no option") << QStringList{"tool", "-x", "file"} << false << ""
                               << "" << false;
    QTest::newRow("between other arguments")
        << QStringList{"tool", "-foo", "--launch", "Two Words", "--bar"} << true << "Two Words"
        << "" << false;
    QTest::newRow("single dash") << QStringList{"tool", "-launch", "A"} << true << "A"
                                 << "" << false;
    QTest::newRow("after the end of options")
        << QStringList{"tool", "--", "--launch", "A"} << false << ""
        << "" << false;
    QTest::newRow("no name") << QStringList{"tool", "-x", "--launch"} << true << ""
                             << "--launch needs the name of a set: --launch NAME." << false;
    QTest::newRow("empty name") << QStringList{"tool", "--launch="} << true << ""
                                << "--launch needs the name of a set: --launch NAME." << false;
    QTest::newRow("three times") << QStringList{"tool", "--launch=a", "--launch", "b", "-launch=c"}
                                 << true << ""
                                 << "--launch starts one set, but it was given 3 times." << false;
    QTest::newRow("help with Qt's options")
        << QStringList{"tool", "--launch", "A", "--help-all"} << true << "A"
        << "" << true;
    // Read as a bundle of letters, this word would hold -h.
    QTest::newRow("word holding an h") << QStringList{"tool", "-path"} << false << ""
                                       << "" << false;
}

// A mistake is told, and ends the run with status 4 before anything starts up.
void SetLaunchTest::optionIsReadBesideOtherArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mistake);
    const LaunchOption option = readLaunchOption(arguments);
    QTEST(option.requested, "requested");
    QTEST(option.setName, "setName");
    QCOMPARE(option.mistake, mistake);
    QTEST(option.helpWanted, "help");
    if (mistake.isEmpty() || option.helpWanted)
        return;
    PlatformProbe probe;
    takeLaunchOption(arguments);
    QCOMPARE(probe.exits, QVector<int>{4});
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.at(0).kind, platform::MessageKind::Warning);
    QCOMPARE(probe.messages.at(0).title, QStringLiteral("Halvane v5"));
    QCOMPARE(probe.messages.at(0).text, mistake);
}

void SetLaunchTest::launchStartsWhatLoadAndRunStart_data()
{
    QTest::addColumn<Files>("setFiles");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QList<bool>>("answers");
    QTest::newRow("without extension")
        << Files{{"Two Words.set", twoWords}, {"Two.set", "[General]\nOtherCommands=-no\n"}}
        << "Two Words.set"
        << "Two Words" << QList<bool>{};
    QTest::newRow("extension in capitals") << Files{{"LOUD.SET", twoWords}} << "LOUD.SET"
                                           << "LOUD" << QList<bool>{};
    QTest::newRow("listed name wins over added extension")
        << Files{{"x.set", twoWords}, {"x.set.set", "[General]\nOtherCommands=-no\n"}} << "x.set"
        << "x.set" << QList<bool>{};
    QTest::newRow("missing mods, started without them") << Files{{"m.set", withMissing}} << "m.set"
                                                        << "m" << QList<bool>{true};
}

// The same fixture started both ways must give the game the same program, arguments and
// working folder.
void SetLaunchTest::launchStartsWhatLoadAndRunStart()
{
    QFETCH(Files, setFiles);
    QFETCH(QString, listed);
    QFETCH(QString, given);
    QFETCH(QList<bool>, answers);
    TestAppFolder folder;
    prepare(folder, setFiles);

    const Run byHand = loadAndRun(listed);
    QCOMPARE(byHand.starts.size(), 1);
    const Run launched = launchByName(given, answers);
    QCOMPARE(launched.exits, QVector<int>{0});
    QVERIFY(!launched.windowShown);
    QCOMPARE(launched.starts.size(), 1);
    const platform::DetachedStartRequest &expected = byHand.starts.first();
    const platform::DetachedStartRequest &actual = launched.starts.first();
    QCOMPARE(actual.program, expected.program);
    QCOMPARE(actual.arguments, expected.arguments);
    QCOMPARE(actual.workingDirectory, expected.workingDirectory);
}

void SetLaunchTest::launchEndsWithItsStatus_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("starts");
    // With <folder> standing for the set-file folder and <game> for the game's executable.
    QTest::addColumn<QString>("message");
    QTest::newRow("started") << "ok" << QList<bool>{} << false << 0 << 1 << QString();
    QTest::newRow("no such set")
        << "Nothing" << QList<bool>{} << false << 4 << 0
        << "Cannot launch the set Nothing:\nThere is no such set in <folder>.";
    QTest::newRow("other case")
        << "OK.set" << QList<bool>{} << false << 4 << 0
        << "Cannot launch the set OK.set:\nThere is no such set in <folder>.";
    QTest::newRow("outside the set-file folder")
        << "../Set Files/ok" << QList<bool>{} << false << 4 << 0
        << "Cannot launch the set ../Set Files/ok:\nThere is no such set in <folder>.";
    QTest::newRow("unreadable") << "folder" << QList<bool>{} << false << 4 << 0
                                << "Cannot read file <folder>/folder.set:\n" +
                                       reasons::inMessage(reasons::folderOpenedAsFile()) + ".";
    QTest::newRow("missing mods, not wanted without")
        << "m" << QList<bool>{false} << false << 5 << 0
        << "The set m.set names mods that the mod folder does not hold:\n\n"
           "Multiplayer & Skimish Mods:\n    gone.zip\nCampaign Mods:\n    g.zip\n\n"
           "Start Varnhold without them?";
    QTest::newRow("missing mods, started without")
        << "m" << QList<bool>{true} << false << 0 << 1
        << "The set m.set names mods that the mod folder does not hold:\n\n"
           "Multiplayer & Skimish Mods:\n    gone.zip\nCampaign Mods:\n    g.zip\n\n"
           "Start Varnhold without them?";
    QTest::newRow("game cannot start")
        << "ok" << QList<bool>{} << true << 6 << 1 << "Cannot start <game>:\nExec format error.";
}

void SetLaunchTest::launchEndsWithItsStatus()
{
    QFETCH(QString, given);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, startFails);
    QFETCH(int, status);
    QFETCH(int, starts);
    QFETCH(QString, message);
    TestAppFolder folder;
    prepare(folder, Files{{"ok.set", twoWords}, {"m.set", withMissing}, {"folder.set", "folder"}});
    const Run run = launchByName(given, answers, startFails);
    QCOMPARE(run.exits, QVector<int>{status});
    QCOMPARE(run.starts.size(), starts);
    QVERIFY(!run.windowShown);
    if (message.isEmpty()) {
        QVERIFY(run.messages.isEmpty());
        return;
    }
    QCOMPARE(run.messages.size(), 1);
    QCOMPARE(run.messages.at(0).title, QStringLiteral("Halvane v5"));
    message.replace(QStringLiteral("<folder>"), folder.setFilesDir());
    message.replace(QStringLiteral("<game>"), QDir::current().absoluteFilePath(folder.exePath()));
    QCOMPARE(run.messages.at(0).text, message);
    if (status == 0 && starts == 1)
        QVERIFY(!run.starts.at(0).arguments.contains(QStringLiteral("--mod_mp=gone.zip")));
}

// Start-up runs as it does for the window, and a start-up that ended the process launches
// nothing.
void SetLaunchTest::startUpStatusesComeThrough()
{
    TestAppFolder folder;
    prepare(folder, Files{{"ok.set", twoWords}});
    QDir(folder.modFolder() + QStringLiteral("/campaign")).removeRecursively();
    const Run run = launchByName(QStringLiteral("ok"));
    QCOMPARE(run.exits, QVector<int>{3});
    QVERIFY(run.starts.isEmpty());
}

void SetLaunchTest::missingModsAreListedByList_data()
{
    QTest::addColumn<QStringList>("multiplay");
    QTest::addColumn<QStringList>("campaign");
    QTest::addColumn<QStringList>("global");
    QTest::addColumn<QString>("listing");
    const auto numbered = [](const char *stem, int count) {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(i);
        return names;
    };
    const auto lines = [](const QStringList &names) {
        return QStringLiteral("    ") + names.join(QStringLiteral("\n    "));
    };
    QTest::newRow("none") << QStringList{} << QStringList{} << QStringList{} << QString();
    QTest::newRow("twenty") << numbered("m", 15) << QStringList{} << numbered("g", 5)
                            << "Multiplayer & Skimish Mods:\n" + lines(numbered("m", 15)) +
                                   "\nGlobal Mods:\n" + lines(numbered("g", 5));
    QTest::newRow("twenty-one, the last group cut")
        << numbered("m", 15) << numbered("c", 5) << numbered("g", 1)
        << "Multiplayer & Skimish Mods:\n" + lines(numbered("m", 15)) + "\nCampaign Mods:\n" +
               lines(numbered("c", 5)) + "\nand 1 more";
    QTest::newRow("cut inside a group")
        << numbered("m", 18) << numbered("c", 30) << numbered("g", 2)
        << "Multiplayer & Skimish Mods:\n" + lines(numbered("m", 18)) + "\nCampaign Mods:\n" +
               lines(numbered("c", 2)) + "\nand 30 more";
}

void SetLaunchTest::missingModsAreListedByList()
{
    QFETCH(QStringList, multiplay);
    QFETCH(QStringList, campaign);
    QFETCH(QStringList, global);
    QTEST(missingModsListing(MissingMods{multiplay, campaign, global}), "listing");
}

// A mod that stands in another list, or twice in the set, is missing once from its own list.
void SetLaunchTest::missingModsAreThoseTheirListLacks()
{
    PlatformProbe probe;
    AppState &state = appState();
    for (const char *name : {"a.zip", "b.zip"})
        state.modsMP.append(QString::fromLatin1(name));
    state.modsGlobal.append(QStringLiteral("x.zip"));
    state.loadedMP = {{"x.zip"}, {"a.zip"}, {"x.zip"}, {"B.zip"}, {"b.zip"}};
    state.loadedGlobal = {{"x.zip"}};
    const MissingMods missing = findMissingMods();
    QCOMPARE(missing.multiplay, (QStringList{"x.zip", "B.zip"}));
    QVERIFY(missing.campaign.isEmpty());
    QVERIFY(missing.global.isEmpty());
}

namespace {
struct Finished {
    bool ended = false;
    int status = -1;
    QByteArray output;
};

// The built tool copied into the folder, as a player has it, and started there.
Finished runTool(const TestAppFolder &folder, const QStringList &arguments)
{
    const QString tool = folder.appDir() + QLatin1Char('/') +
                         QFileInfo(QStringLiteral(VMM_TOOL_EXECUTABLE)).fileName();
    QFile::remove(tool);
    if (!QFile::copy(QStringLiteral(VMM_TOOL_EXECUTABLE), tool))
        return Finished{};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(folder.appDir());
    process.start(tool, arguments);
    const bool ended = process.waitForFinished(120000);
    return Finished{ended && process.exitStatus() == QProcess::NormalExit, process.exitCode(),
                    process.readAll()};
}
} // namespace

void SetLaunchTest::toolStartsTheSetFromItsCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    // The toolkit takes its own options before and after, as it does without --launch.
    QTest::newRow("between toolkit options")
        << QStringList{"-style", "fusion", "--launch", "Two Words", "-reverse"};
    QTest::newRow("as listed") << QStringList{"--launch=Two Words.set"};
}

void SetLaunchTest::toolStartsTheSetFromItsCommandLine()
{
    QFETCH(QStringList, arguments);
    TestAppFolder folder;
    prepare(folder, Files{{"Two Words.set", twoWords}});
    const Finished run = runTool(folder, arguments);
    QVERIFY2(run.ended, run.output.constData());
    QVERIFY2(run.status == 0, run.output.constData());
    QVERIFY(folder.waitForLaunches(1));
    const QStringList expected{QFileInfo(folder.gameDir()).canonicalFilePath(),
                               "--mod_mp=a.zip",
                               "--mod_mp=b c.zip",
                               "--mod_ca=s.zip",
                               "--mod=a.zip",
                               "-x",
                               "y z",
                               "\"q\""};
    QCOMPARE(folder.recordedLaunches(), QList<QStringList>{expected});
}

void SetLaunchTest::toolShowsItsUsage_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("usage") << "--help" << QByteArray("--launch <NAME>");
    QTest::newRow("version") << "--version" << QByteArray("varnhold-mod-manager " VMM_VERSION "\n");
}

void SetLaunchTest::toolShowsItsUsage()
{
#ifdef Q_OS_WIN
    QSKIP("Windows shows the usage and the version in a box, which would wait for a click");
#else
    QFETCH(QString, option);
    QFETCH(QByteArray, shown);
    TestAppFolder folder;
    prepare(folder, Files{});
    const Finished run = runTool(folder, {option, QStringLiteral("--launch=Two Words")});
    QVERIFY(run.ended);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.output.contains(shown), run.output.constData());
    QVERIFY(folder.recordedLaunches().isEmpty());
#endif
}

QTEST_MAIN(SetLaunchTest)
#include "tst_setlaunch.moc"
