#include "EndToEndTest.h"

#include <QDir>
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
    void pastedSetLoadsAndFirstConfigurationComesBack();

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

// A set copied as text and pasted back in under another name loads; of two saves of the game's
// configuration the first version comes back. All through the real context menus and the keys.
void SetFilesEndToEnd::pastedSetLoadsAndFirstConfigurationComesBack()
{
    // The ".set Files" page open, "Varnhold Config File" is the second title from the bottom;
    // that page open, "Save Changes" (5, 222, 256, 26 in it) is at the bottom.
    const QPoint configPageTitle{60, 380}, configText{130, 250}, saveChanges{138, 380};
    const QByteArray evening = "[SettingMP]\nMod0=beta.zip\nCount=1\n[General]\nOtherCommands=-x\n";
    TestAppFolder folder(gameFolderName());
    QVERIFY(installTool(folder, {"alpha.zip", "beta.zip"}));
    TestAppFolder::writeFile(folder.setFilesDir() + "/evening.set", evening);
    const QByteArray firstConfiguration = TestAppFolder::readFile(folder.configPath());
    ToolProcess tool(toolPath(folder), folder.root() + "/tool-output.log");
    const XDisplay::WindowId window = startTool(tool, spots::otherOptionsField);
    QVERIFY(!window.isEmpty());
    display.click(window, spots::setFilesPageTitle);
    // Shortcut, Open Folder, a separator, Copy Set as Text, then Paste Set last.
    display.pressKeys({"Tab", "Tab", "Home", "shift+F10", "Down", "Down", "Down", "Return",
                       "shift+F10", "Up", "Return"});
    const XDisplay::WindowId nameDialog =
        display.waitForWindow(spots::setFileDialogTitle, spots::setNameSize, deadlines::step());
    QVERIFY(display.clickToFocus(nameDialog, spots::setNameField, deadlines::step()));
    display.typeText("from a friend");
    display.pressKeys({"Return"});
    QCOMPARE(
        waitForFileContent(folder.setFilesDir() + "/from a friend.set", evening, deadlines::step()),
        evening);
    // The pasted set is the current one; past create, save and delete to the load button.
    display.pressKeys({"Tab", "Tab", "Tab", "Tab", "space"});

    display.click(window, configPageTitle);
    for (const char *typed : {"fps=60", "0"}) {
        QVERIFY(display.clickToFocus(window, configText, deadlines::step()));
        display.pressKeys({"ctrl+End"});
        display.typeText(typed);
        display.click(window, saveChanges);
    }
    const QByteArray saved = firstConfiguration + "fps=600";
    QCOMPARE(waitForFileContent(folder.configPath(), saved, deadlines::step()), saved);
    // The editor's own actions, then "Restore Earlier Version..." last; the oldest is clicked.
    QVERIFY(display.clickToFocus(window, configText, deadlines::step()));
    display.pressKeys({"Menu", "Up", "Return"});
    const XDisplay::WindowId versions =
        display.waitForWindow("Restore Earlier Version", QSize(), deadlines::step());
    QVERIFY(display.clickToFocus(versions, {60, 53}, deadlines::step()));
    display.pressKeys({"Return"});
    QVERIFY(display.waitUntilGone("Restore Earlier Version", deadlines::step()));
    QCOMPARE(TestAppFolder::readFile(folder.configPath()), saved);
    display.click(window, saveChanges);
    QCOMPARE(waitForFileContent(folder.configPath(), firstConfiguration, deadlines::step()),
             firstConfiguration);
    const QRegularExpression kept(R"(^config \d{4}-\d\d-\d\d \d\d-\d\d-\d\d( \(\d\))?$)");
    QCOMPARE(QDir(folder.appDir() + "/Config Backups").entryList().filter(kept).size(), 3);
    runGame(window, tool);
    QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.recordedLaunches().value(0).mid(1), (QStringList{"--mod_mp=beta.zip", "-x"}));
}

QTEST_GUILESS_MAIN(SetFilesEndToEnd)
#include "tst_e2e_setfiles.moc"
