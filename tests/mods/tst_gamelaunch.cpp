#include "StartedTool.h"
#include "SystemReasons.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QtTest>

class GameLaunchTest : public QObject {
    Q_OBJECT

private slots:
    void nothingTickedStartsTheGameWithNoArguments();
    void everyTickedModIsOneWholeArgument();
    void otherOptionsAreSplitByTheQuotingRules_data();
    void otherOptionsAreSplitByTheQuotingRules();
    void failedStartWarnsAndKeepsTheToolAsItWas();
    void systemReasonIsShownAsGiven();
    void relativeProgramStartsWhatTheCheckFound_data();
    void relativeProgramStartsWhatTheCheckFound();
    void windowsPathStartsTheGameInItsFolder();
};

namespace {
QString realPath(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

void run(StartedTool &tool)
{
    QTest::mouseClick(tool.form().buttonRun, Qt::LeftButton);
}
} // namespace

void GameLaunchTest::nothingTickedStartsTheGameWithNoArguments()
{
    StartedTool tool({QStringLiteral("a.zip")});
    run(tool);
    QCOMPARE(tool.probe.exits, QVector<int>{0});
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(tool.folder.waitForLaunches(1));
    const QList<QStringList> launches = tool.folder.recordedLaunches();
    QCOMPARE(launches.size(), 1);
    QCOMPARE(launches.at(0), QStringList{realPath(tool.folder.gameDir())});
}

void GameLaunchTest::everyTickedModIsOneWholeArgument()
{
    const QString spaced = QStringLiteral("My Big Mod.zip");
    const QString accented = QStringLiteral("Šárka ünïcode 日本.zip");
#ifdef Q_OS_WIN
    // No quote can stand in a Windows file name, but the other options can hold quotes and a
    // folder's trailing backslash, the two things Windows' command-line quoting must escape.
    const QString quoted = QStringLiteral("say 'hi' %PATH% ^&.pak");
    const QString loneQuote = QStringLiteral("half'open !x!.zip");
    const QString otherOptions =
        QStringLiteral("\"--save=C:\\My Saves\\\" --title=\"\"\"A\\\"\"\"");
    const QStringList otherArguments{QStringLiteral("--save=C:\\My Saves\\"),
                                     QStringLiteral("--title=\"A\\\"")};
#else
    const QString quoted = QStringLiteral("say \"hi\" \"\"\".pak");
    const QString loneQuote = QStringLiteral("half\"open.zip");
    const QString otherOptions = QStringLiteral("--save=/tmp/a/b");
    const QStringList otherArguments{otherOptions};
#endif
    StartedTool tool({spaced, quoted, accented, QStringLiteral("unticked.zip")}, {loneQuote},
                     {spaced});
    StartedTool::tick(tool.form().listGlobal, spaced);
    StartedTool::tick(tool.form().listSP, loneQuote);
    StartedTool::tick(tool.form().listMP, quoted);
    StartedTool::tick(tool.form().listMP, accented);
    StartedTool::tick(tool.form().listMP, spaced);
    tool.form().inputOtherCommands->setText(otherOptions);
    // The view keeps the names as they are.
    QCOMPARE(tool.commandLine(),
             QStringLiteral("%BinaryPath% --mod_mp=My Big Mod.zip --mod_mp=") + quoted +
                 QStringLiteral(" --mod_mp=Šárka ünïcode 日本.zip --mod_ca=") + loneQuote +
                 QStringLiteral(" --mod=My Big Mod.zip ") + otherOptions);
    run(tool);
    QCOMPARE(tool.probe.exits, QVector<int>{0});
    QVERIFY(tool.folder.waitForLaunches(1));
    QCOMPARE(
        tool.folder.recordedLaunches().at(0),
        QStringList({realPath(tool.folder.gameDir()), QStringLiteral("--mod_mp=") + spaced,
                     QStringLiteral("--mod_mp=") + quoted, QStringLiteral("--mod_mp=") + accented,
                     QStringLiteral("--mod_ca=") + loneQuote, QStringLiteral("--mod=") + spaced}) +
            otherArguments);
}

void GameLaunchTest::otherOptionsAreSplitByTheQuotingRules_data()
{
    QTest::addColumn<QString>("otherCommands");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("quoted words") << QStringLiteral("-a \"two words\"")
                                  << QStringList{QStringLiteral("-a"), QStringLiteral("two words")};
    QTest::newRow("three quotes in a row")
        << QStringLiteral("--title=\"\"\"Big\"\"\" -b")
        << QStringList{QStringLiteral("--title=\"Big\""), QStringLiteral("-b")};
    QTest::newRow("two quotes in a row")
        << QStringLiteral("x\"\"y") << QStringList{QStringLiteral("xy")};
    QTest::newRow("spaces only") << QStringLiteral("   ") << QStringList();
    QTest::newRow("placeholder") << QStringLiteral("%BinaryPath%")
                                 << QStringList{QStringLiteral("%BinaryPath%")};
}

void GameLaunchTest::otherOptionsAreSplitByTheQuotingRules()
{
    QFETCH(QString, otherCommands);
    QFETCH(QStringList, arguments);
    StartedTool tool({QStringLiteral("a.zip")});
    StartedTool::tick(tool.form().listMP, QStringLiteral("a.zip"));
    tool.form().inputOtherCommands->setText(otherCommands);
    run(tool);
    QCOMPARE(tool.probe.exits, QVector<int>{0});
    QVERIFY(tool.folder.waitForLaunches(1));
    QCOMPARE(tool.folder.recordedLaunches().at(0),
             QStringList({realPath(tool.folder.gameDir()), QStringLiteral("--mod_mp=a.zip")}) +
                 arguments);
}

void GameLaunchTest::failedStartWarnsAndKeepsTheToolAsItWas()
{
    StartedTool tool({QStringLiteral("a.zip")});
    tool.window->show();
    StartedTool::tick(tool.form().listMP, QStringLiteral("a.zip"));
    tool.form().inputOtherCommands->setText(QStringLiteral("-x"));
    const QString missing = tool.folder.gameDir() + QStringLiteral("/missing %2 game");
    appState().exePath = missing;

    run(tool);
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(tool.probe.starts.size(), 1);
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.at(0).kind, platform::MessageKind::Warning);
    QCOMPARE(tool.probe.messages.at(0).title, QStringLiteral("Halvane v5"));
    QCOMPARE(tool.probe.messages.at(0).text,
             QStringLiteral("Cannot start %1:\n%2.")
                 .arg(missing, reasons::inMessage(reasons::missingFile())));
    QVERIFY(tool.window->isVisible());
    QCOMPARE(appState().exePath, missing);
    QVERIFY(appState().modsMP.at(0).ticked);
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=a.zip -x"));
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\n"));
    QVERIFY(tool.folder.recordedLaunches().isEmpty());

    // Once the executable is right again, the very same window starts the game.
    appState().exePath = tool.folder.exePath();
    run(tool);
    QCOMPARE(tool.probe.exits, QVector<int>{0});
    QVERIFY(tool.folder.waitForLaunches(1));
    QCOMPARE(tool.folder.recordedLaunches().at(0),
             QStringList({realPath(tool.folder.gameDir()), QStringLiteral("--mod_mp=a.zip"),
                          QStringLiteral("-x")}));
}

void GameLaunchTest::systemReasonIsShownAsGiven()
{
    StartedTool tool;
    tool.probe.fakeStarts = true;
    tool.probe.fakeStartOutcome =
        platform::DetachedStartOutcome{false, QStringLiteral("Exec format error")};
    run(tool);
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.at(0).text,
             QStringLiteral("Cannot start %1:\nExec format error.").arg(tool.folder.exePath()));
}

void GameLaunchTest::relativeProgramStartsWhatTheCheckFound_data()
{
    QTest::addColumn<QString>("exePath");
    QTest::addColumn<QString>("workingDirectory");
    // Not whichever program of that name comes first on PATH.
    QTest::newRow("without folder") << "varnhold" << QString();
    // Not looked up again inside the working folder "game".
    QTest::newRow("below a folder") << "game/varnhold"
                                    << "game";
}

// The start-up check resolves the executable against the tool's working folder; the start
// must take the very file the check found.
void GameLaunchTest::relativeProgramStartsWhatTheCheckFound()
{
    QFETCH(QString, exePath);
    QFETCH(QString, workingDirectory);
    StartedTool tool;
    tool.probe.fakeStarts = true;
    appState().exePath = exePath;
    run(tool);
    QCOMPARE(tool.probe.exits, QVector<int>{0});
    QCOMPARE(tool.probe.starts.size(), 1);
    QCOMPARE(tool.probe.starts.at(0).program, QDir::current().absoluteFilePath(exePath));
    QCOMPARE(tool.probe.starts.at(0).arguments, QStringList());
    QCOMPARE(tool.probe.starts.at(0).workingDirectory, workingDirectory);
}

// A path as Windows' own dialogs and shortcuts write it: backslashes after a drive letter.
void GameLaunchTest::windowsPathStartsTheGameInItsFolder()
{
#ifdef Q_OS_WIN
    StartedTool tool({QStringLiteral("a.zip")});
    StartedTool::tick(tool.form().listMP, QStringLiteral("a.zip"));
    appState().exePath = QDir::toNativeSeparators(appState().exePath);
    QVERIFY(appState().exePath.contains(QStringLiteral(":\\")));
    run(tool);
    QCOMPARE(tool.probe.exits, QVector<int>{0});
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(tool.folder.waitForLaunches(1));
    QCOMPARE(tool.folder.recordedLaunches().at(0),
             QStringList({realPath(tool.folder.gameDir()), QStringLiteral("--mod_mp=a.zip")}));
#else
    QSKIP("backslashes separate folders only on Windows");
#endif
}

QTEST_MAIN(GameLaunchTest)
#include "tst_gamelaunch.moc"
