#include "EndToEndTest.h"

#include <QFileInfo>
#include <QThread>
#include <QtTest>

// A player stores the current selection as a set file through both creation dialogs, runs
// the game, and in a fresh start of the tool loads the set file and runs the game again: the
// second start of the game must get exactly what the first one got.
class SetFilesEndToEnd : public EndToEndTest {
    Q_OBJECT

private slots:
    void setFileCreatedInOneRunRestoresTheSelectionInTheNext();

private:
    void selectModsAndOptions(const XDisplay::WindowId &window);
    void createSetFileWithSelectedMods(const XDisplay::WindowId &window, const QString &name);
    void loadOnlySetFile(const XDisplay::WindowId &window);
    void runGame(const XDisplay::WindowId &window, ToolProcess &tool);
};

namespace {
QByteArray waitForFileContent(const QString &path, const QByteArray &expected,
                              QDeadlineTimer deadline)
{
    QByteArray content = TestAppFolder::readFile(path);
    while (content != expected && !deadline.hasExpired()) {
        QThread::msleep(50);
        content = TestAppFolder::readFile(path);
    }
    return content;
}
} // namespace

// Ticks alpha.zip and gamma.zip in the first list and global.zip in the global list, all
// with the keyboard, and types -skipintro as further options.
void SetFilesEndToEnd::selectModsAndOptions(const XDisplay::WindowId &window)
{
    QVERIFY2(display.clickToFocus(window, spots::firstListEmptyArea, deadlines::step()),
             "the main window never took the keyboard focus");
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("space"), QStringLiteral("Down"),
                       QStringLiteral("Down"), QStringLiteral("space")});
    display.pressKeys({QStringLiteral("Tab")});
    display.typeText(QStringLiteral("-skipintro"));
    display.click(window, spots::globalPageTitleBelowFirstPage);
    // Going backwards from the options field, the first list still open is the global one.
    display.pressKeys(
        {QStringLiteral("shift+Tab"), QStringLiteral("Home"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("mods-ticked-options-typed"));
}

void SetFilesEndToEnd::createSetFileWithSelectedMods(const XDisplay::WindowId &window,
                                                     const QString &name)
{
    display.click(window, spots::setFilesPageTitle);
    display.click(window, spots::otherOptionsField);
    // From the options field: the run button, the set-file list, then the create button.
    display.pressKeys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                       QStringLiteral("space")});

    const XDisplay::WindowId howDialog = display.waitForWindow(
        spots::setFileDialogTitle, spots::setFileCreateSize, deadlines::step());
    QVERIFY2(!howDialog.isEmpty(), "the dialog asking how to create the set file did not come");
    display.screenshot(QStringLiteral("create-dialog"));
    display.click(howDialog, spots::createWithSelectedButton);

    const XDisplay::WindowId nameDialog =
        display.waitForWindow(spots::setFileDialogTitle, spots::setNameSize, deadlines::step());
    QVERIFY2(!nameDialog.isEmpty(), "the dialog asking for the set file's name did not come");
    QVERIFY2(display.clickToFocus(nameDialog, spots::setNameField, deadlines::step()),
             "the name dialog never took the keyboard focus");
    display.typeText(name);
    display.screenshot(QStringLiteral("name-typed"));
    display.pressKeys({QStringLiteral("Return")});
    QVERIFY2(display.waitUntilGone(spots::setFileDialogTitle, deadlines::step()),
             "the name dialog did not close");
}

void SetFilesEndToEnd::loadOnlySetFile(const XDisplay::WindowId &window)
{
    QVERIFY2(display.clickToFocus(window, spots::otherOptionsField, deadlines::step()),
             "the main window never took the keyboard focus");
    display.click(window, spots::setFilesPageTitle);
    // Into the set-file list, make its first file current, then on past the create, save
    // and delete buttons to the load button.
    display.pressKeys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Home"),
                       QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                       QStringLiteral("Tab"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("set-file-loaded"));
}

void SetFilesEndToEnd::runGame(const XDisplay::WindowId &window, ToolProcess &tool)
{
    display.click(window, spots::runButton);
    QVERIFY2(tool.waitForExit(deadlines::step()), qPrintable(tool.describe()));
    QVERIFY2(tool.exitStatus() == 0, qPrintable(tool.describe()));
}

void SetFilesEndToEnd::setFileCreatedInOneRunRestoresTheSelectionInTheNext()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(installTool(
        folder,
        {QStringLiteral("alpha.zip"), QStringLiteral("beta.zip"), QStringLiteral("gamma.zip")},
        {QStringLiteral("campaign.zip")}, {QStringLiteral("global.zip")}));
    const QString setFile = folder.setFilesDir() + QStringLiteral("/evening.set");
    const QStringList expectedLaunch{
        QFileInfo(folder.gameDir()).canonicalFilePath(), QStringLiteral("--mod_mp=alpha.zip"),
        QStringLiteral("--mod_mp=gamma.zip"), QStringLiteral("--mod=global.zip"),
        QStringLiteral("-skipintro")};

    {
        ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/first-run.log"));
        const XDisplay::WindowId window = startTool(tool);
        QVERIFY(!window.isEmpty());
        display.screenshot(QStringLiteral("first-start"));

        selectModsAndOptions(window);
        if (QTest::currentTestFailed())
            return;
        createSetFileWithSelectedMods(window, QStringLiteral("evening"));
        if (QTest::currentTestFailed())
            return;
        const QByteArray expectedSetFile("[SettingMP]\n"
                                         "Mod0=alpha.zip\n"
                                         "Mod1=gamma.zip\n"
                                         "Count=2\n"
                                         "[SettingSP]\n"
                                         "Count=0\n"
                                         "[SettingGlobal]\n"
                                         "Mod0=global.zip\n"
                                         "Count=1\n"
                                         "[General]\n"
                                         "OtherCommands=-skipintro\n");
        QCOMPARE(waitForFileContent(setFile, expectedSetFile, deadlines::step()), expectedSetFile);
        display.screenshot(QStringLiteral("set-file-listed"));

        runGame(window, tool);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
        QCOMPARE(folder.recordedLaunches().value(0), expectedLaunch);
    }

    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/second-run.log"));
    const XDisplay::WindowId window = startTool(tool);
    QVERIFY(!window.isEmpty());
    display.screenshot(QStringLiteral("fresh-start"));
    loadOnlySetFile(window);
    if (QTest::currentTestFailed())
        return;
    runGame(window, tool);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(folder.waitForLaunches(2, deadlines::step()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.recordedLaunches().value(1), expectedLaunch);
}

QTEST_GUILESS_MAIN(SetFilesEndToEnd)
#include "tst_e2e_setfiles.moc"
