#include "EndToEndTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtTest>

// While the tool runs, mods come and go in its mod folder and the player opens it and deletes a
// set: the lists and the command line follow the folder, the other ticks stay, the folder opens
// in the desktop's file manager and the deleted set lies in the trash.
class LiveListsEndToEnd : public EndToEndTest {
    Q_OBJECT

private slots:
    void listsFollowModsAddedAndRemoved();
    void folderOpensAndDeletedSetLiesInTheTrash();
};

namespace {
// Well beyond the quarter of a second that changes on disk are given to settle.
void waitForTheListing()
{
    QThread::msleep(2000);
}
} // namespace

void LiveListsEndToEnd::listsFollowModsAddedAndRemoved()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(installTool(
        folder,
        {QStringLiteral("alpha.zip"), QStringLiteral("beta.zip"), QStringLiteral("gamma.zip")}, {},
        {QStringLiteral("global.zip")}));
    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/tool-output.log"));
    const XDisplay::WindowId window = startTool(tool, spots::firstListEmptyArea);
    QVERIFY(!window.isEmpty());
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("Down"), QStringLiteral("space"),
                       QStringLiteral("Down"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("beta-and-gamma-ticked"));

    const QString multiplay = folder.modFolder() + QStringLiteral("/multiplay");
    QVERIFY(QFile::remove(multiplay + QStringLiteral("/gamma.zip")));
    TestAppFolder::writeFile(multiplay + QStringLiteral("/aardvark.zip"), "new");
    waitForTheListing();
    display.screenshot(QStringLiteral("gamma-gone-aardvark-come"));
    // The new mod stands first: Home goes to it.
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("aardvark-ticked"));

    display.click(window, spots::runButton);
    QVERIFY2(tool.waitForExit(deadlines::step()), qPrintable(tool.describe()));
    QVERIFY2(tool.exitStatus() == 0, qPrintable(tool.describe()));
    QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.recordedLaunches().value(0),
             QStringList({QFileInfo(folder.gameDir()).canonicalFilePath(),
                          QStringLiteral("--mod_mp=aardvark.zip"),
                          QStringLiteral("--mod_mp=beta.zip")}));
}

void LiveListsEndToEnd::folderOpensAndDeletedSetLiesInTheTrash()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(installTool(folder, {QStringLiteral("alpha.zip")}));
    folder.createSetFile(QStringLiteral("evening.set"), "[SettingMP]\nMod0=alpha.zip\n");
    // The desktop's opener, as the tool finds it on its path, only notes what it was asked.
    const QString opener = folder.root() + QStringLiteral("/bin/xdg-open");
    const QString opened = folder.root() + QStringLiteral("/opened.txt");
    TestAppFolder::writeFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" +
                                         QFile::encodeName(opened) + "'\n");
    QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(QFileInfo(opener).path()) + ':' + path);
    const QString dataHome = folder.root() + QStringLiteral("/data");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const auto restore = qScopeGuard([path] {
        qputenv("PATH", path);
        qunsetenv("XDG_DATA_HOME");
    });
    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/tool-output.log"));
    const XDisplay::WindowId window = startTool(tool, spots::firstListEmptyArea);
    QVERIFY(!window.isEmpty());
    // "Open Folder" comes after the two untick actions.
    display.pressKeys({QStringLiteral("shift+F10"), QStringLiteral("Down"), QStringLiteral("Down"),
                       QStringLiteral("Down"), QStringLiteral("Return")});
    QVERIFY2(waitForFile(opened), qPrintable(tool.describe()));
    QTRY_COMPARE_WITH_TIMEOUT(
        TestAppFolder::readFile(opened),
        QUrl::fromLocalFile(folder.modFolder() + QStringLiteral("/multiplay")).toEncoded() + '\n',
        10000);

    display.click(window, spots::otherOptionsField);
    display.click(window, spots::setFilesPageTitle);
    // Into the set-file list, its set current, then past "Create" and "Save" to "Delete".
    display.pressKeys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Home"),
                       QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                       QStringLiteral("space")});
    QVERIFY2(waitForFile(dataHome + QStringLiteral("/Trash/files/evening.set")),
             qPrintable(tool.describe()));
    display.screenshot(QStringLiteral("set-deleted"));
    QCOMPARE(TestAppFolder::readFile(dataHome + QStringLiteral("/Trash/files/evening.set")),
             QByteArray("[SettingMP]\nMod0=alpha.zip\n"));
    QVERIFY(QFileInfo::exists(dataHome + QStringLiteral("/Trash/info/evening.set.trashinfo")));
    QVERIFY(!QFileInfo::exists(folder.setFilesDir() + QStringLiteral("/evening.set")));
    QVERIFY2(tool.isRunning(), qPrintable(tool.describe()));
}

QTEST_GUILESS_MAIN(LiveListsEndToEnd)
#include "tst_e2e_livelists.moc"
