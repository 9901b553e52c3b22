#include "RunsUnderWine.h"
#include "StartedTool.h"

#include "platform/FolderOpener.h"

#include <QAction>
#include <QDir>
#include <QtTest>

class OpenFolderTest : public QObject {
    Q_OBJECT

private slots:
    void openFolderShowsTheListsFolder_data();
    void openFolderShowsTheListsFolder();
};

void OpenFolderTest::openFolderShowsTheListsFolder_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("folder"); // below the tool's temporary folder
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("realOpener");
    QTest::addColumn<bool>("asked");      // whether the desktop was asked to open it
    QTest::addColumn<QString>("message"); // %1 stands for the folder
    const QString cannot = QStringLiteral("The desktop cannot open the folder %1.");
    QTest::newRow("multiplayer") << "listMP"
                                 << "/game/mods/multiplay" << false << false << true << "";
    QTest::newRow("set files, made first") << "listChooseSetting"
                                           << "/app/Set Files" << true << false << true << "";
    QTest::newRow("desktop cannot open it")
        << "listSP"
        << "/game/mods/campaign" << false << false << true << cannot;
    // The headless test platform has no opener at all.
    QTest::newRow("desktop without opener")
        << "listSP"
        << "/game/mods/campaign" << false << true << false << cannot;
    QTest::newRow("subfolder gone")
        << "listSP"
        << "/game/mods/campaign" << true << false << false << "The folder %1 is missing.";
}

void OpenFolderTest::openFolderShowsTheListsFolder()
{
    QFETCH(QString, list);
    QFETCH(QString, folder);
    QFETCH(bool, removed);
    QFETCH(bool, realOpener);
    QFETCH(bool, asked);
    QFETCH(QString, message);
    StartedTool tool;
    const QString path = tool.folder.root() + folder;
    if (removed && runsUnderWine() && list != QLatin1String("listChooseSetting"))
        QSKIP("Wine keeps a watched folder that was removed for as long as it is watched");
    if (removed)
        QVERIFY(QDir(path).removeRecursively());
    tool.probe.foldersOpen = message.isEmpty();
    if (realOpener)
        platform::folderOpenSeam.replace({});
    auto *view = tool.window->findChild<QAbstractItemView *>(list);
    auto *action = view->findChild<QAction *>(QStringLiteral("actionOpenFolder"));
    QVERIFY(view->actions().contains(action));
    QCOMPARE(action->text(), QStringLiteral("Open Folder"));

    action->trigger();

    QCOMPARE(tool.probe.openedFolders, asked ? QStringList{path} : QStringList{});
    QCOMPARE(QDir(path).exists(), asked || realOpener);
    QCOMPARE(tool.probe.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
        QCOMPARE(tool.probe.messages.first().text, message.arg(path));
    }
}

QTEST_MAIN(OpenFolderTest)
#include "tst_openfolder.moc"
