#include "Deadlines.h"
#include "MainWindowSpots.h"
#include "ToolFolder.h"
#include "ToolProcess.h"
#include "XDisplay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtTest>

// While the tool runs, mods come and go in its mod folder and the player opens it and deletes a
// set: the lists and the command line follow the folder, the other ticks stay, the folder opens
// in the desktop's file manager and the deleted set lies in the trash.
class LiveListsEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void listsFollowModsAddedAndRemoved();
    void folderOpensAndDeletedSetLiesInTheTrash();

private:
    XDisplay display;
};

namespace {
// Well beyond the quarter of a second that changes on disk are given to settle.
void waitForTheListing()
{
    QThread::msleep(2000);
}

bool waitForFile(const QString &path)
{
    const QDeadlineTimer deadline = deadlines::step();
    while (!QFileInfo::exists(path) && !deadline.hasExpired())
        QThread::msleep(50);
    return QFileInfo::exists(path);
}
} // namespace

void LiveListsEndToEnd::initTestCase()
{
    const QString reason = XDisplay::unavailableReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    XDisplay::clearScreenshots();
}

void LiveListsEndToEnd::cleanup()
{
    if (QTest::currentTestFailed())
        display.screenshot(QStringLiteral("failure"));
}

void LiveListsEndToEnd::listsFollowModsAddedAndRemoved()
{
    ToolFolder folder;
    QVERIFY(folder.copyBuiltTool());
    QVERIFY(folder.createGame(
        {QStringLiteral("alpha.zip"), QStringLiteral("beta.zip"), QStringLiteral("gamma.zip")}, {},
        {QStringLiteral("global.zip")}));
    ToolProcess tool(folder.toolPath(), folder.root() + QStringLiteral("/tool-output.log"));
    QVERIFY(tool.start());
    const XDisplay::WindowId window = display.waitForWindow(
        spots::mainWindowTitle, spots::mainWindowSize, deadlines::toolStart());
    QVERIFY2(!window.isEmpty(), qPrintable(tool.describe()));
    QVERIFY2(display.clickToFocus(window, spots::firstListEmptyArea, deadlines::step()),
             "the main window never took the keyboard focus");
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("Down"), QStringLiteral("space"),
                       QStringLiteral("Down"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("beta-and-gamma-ticked"));

    const QString multiplay = folder.modFolder() + QStringLiteral("/multiplay");
    QVERIFY(QFile::remove(multiplay + QStringLiteral("/gamma.zip")));
    QVERIFY(ToolFolder::writeFile(multiplay + QStringLiteral("/aardvark.zip"), "new"));
    waitForTheListing();
    display.screenshot(QStringLiteral("gamma-gone-aardvark-come"));
    // The new mod stands first: Home goes to it.
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("space")});
    display.screenshot(QStringLiteral("aardvark-ticked"));

    display.click(window, spots::runButton);
    QVERIFY2(tool.waitForExit(deadlines::step()), qPrintable(tool.describe()));
    QVERIFY2(tool.exitStatus() == 0, qPrintable(tool.describe()));
    QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.launches().value(0),
             QStringList({QFileInfo(folder.gameDir()).canonicalFilePath(),
                          QStringLiteral("--mod_mp=aardvark.zip"),
                          QStringLiteral("--mod_mp=beta.zip")}));
}

void LiveListsEndToEnd::folderOpensAndDeletedSetLiesInTheTrash()
{
    ToolFolder folder;
    QVERIFY(folder.copyBuiltTool());
    QVERIFY(folder.createGame({QStringLiteral("alpha.zip")}, {}, {}));
    QVERIFY(ToolFolder::writeFile(folder.setFilesDir() + QStringLiteral("/evening.set"),
                                  "[SettingMP]\nMod0=alpha.zip\n"));
    // The desktop's opener, as the tool finds it on its path, only notes what it was asked.
    const QString opener = folder.root() + QStringLiteral("/bin/xdg-open");
    const QString opened = folder.root() + QStringLiteral("/opened.txt");
    QVERIFY(ToolFolder::writeFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" +
                                              QFile::encodeName(opened) + "'\n"));
    QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(QFileInfo(opener).path()) + ':' + path);
    const QString dataHome = folder.root() + QStringLiteral("/data");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const auto restore = qScopeGuard([path] {
        qputenv("PATH", path);
        qunsetenv("XDG_DATA_HOME");
    });
    ToolProcess tool(folder.toolPath(), folder.root() + QStringLiteral("/tool-output.log"));
    QVERIFY(tool.start());
    const XDisplay::WindowId window = display.waitForWindow(
        spots::mainWindowTitle, spots::mainWindowSize, deadlines::toolStart());
    QVERIFY2(!window.isEmpty(), qPrintable(tool.describe()));

    QVERIFY2(display.clickToFocus(window, spots::firstListEmptyArea, deadlines::step()),
             "the main window never took the keyboard focus");
    // "Open Folder" comes after the two untick actions.
    display.pressKeys({QStringLiteral("shift+F10"), QStringLiteral("Down"), QStringLiteral("Down"),
                       QStringLiteral("Down"), QStringLiteral("Return")});
    QVERIFY2(waitForFile(opened), qPrintable(tool.describe()));
    QTRY_COMPARE_WITH_TIMEOUT(
        ToolFolder::readFile(opened),
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
    QCOMPARE(ToolFolder::readFile(dataHome + QStringLiteral("/Trash/files/evening.set")),
             QByteArray("[SettingMP]\nMod0=alpha.zip\n"));
    QVERIFY(QFileInfo::exists(dataHome + QStringLiteral("/Trash/info/evening.set.trashinfo")));
    QVERIFY(!QFileInfo::exists(folder.setFilesDir() + QStringLiteral("/evening.set")));
    QVERIFY2(tool.isRunning(), qPrintable(tool.describe()));
}

QTEST_GUILESS_MAIN(LiveListsEndToEnd)
#include "tst_e2e_livelists.moc"
