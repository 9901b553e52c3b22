#include "EndToEndTest.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <memory>

// A player starts the tool, ticks a mod with the keyboard, types further options and runs the
// game: the game must start in its own folder with exactly those arguments, toolkit options
// included, and the tool must be gone with status 0.
class RunGameEndToEnd : public EndToEndTest {
    Q_OBJECT

private slots:
    void tickedModAndTypedOptionsReachTheGame();
};

void RunGameEndToEnd::tickedModAndTypedOptionsReachTheGame()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(installTool(
        folder,
        {QStringLiteral("alpha.zip"), QStringLiteral("beta.zip"), QStringLiteral("gamma.zip")},
        {QStringLiteral("campaign.zip")}, {QStringLiteral("global.zip")}));
    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/tool-output.log"));
    const XDisplay::WindowId window = startTool(tool, QPoint(), QSize());
    QVERIFY(!window.isEmpty());
    QCOMPARE(display.windowSize(window), spots::mainWindowSize);
    display.screenshot(QStringLiteral("window-shown"));

    QVERIFY2(display.clickToFocus(window, spots::firstListEmptyArea, deadlines::step()),
             "the main window never took the keyboard focus");
    // Home makes the first mod current whatever was current before; Down moves to the second.
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("Down"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("second-mod-ticked"));

    // The closed pages' lists are out of the tab chain, so Tab goes on to the options field.
    display.pressKeys({QStringLiteral("Tab")});
    // -style is an option the game's toolkit would take for itself; it must reach the game.
    display.typeText(QStringLiteral("-windowed -style fusion \"two words\""));
    display.screenshot(QStringLiteral("options-typed"));

    display.pressKeys({QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(tool.waitForExit(deadlines::step()), qPrintable(tool.describe()));
    QVERIFY2(tool.exitStatus() == 0, qPrintable(tool.describe()));

    QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
    const QStringList expected{QFileInfo(folder.gameDir()).canonicalFilePath(),
                               QStringLiteral("--mod_mp=beta.zip"),
                               QStringLiteral("-windowed"),
                               QStringLiteral("-style"),
                               QStringLiteral("fusion"),
                               QStringLiteral("two words")};
    QCOMPARE(folder.recordedLaunches(), QList<QStringList>{expected});
}

QTEST_GUILESS_MAIN(RunGameEndToEnd)
#include "tst_e2e_rungame.moc"
