#include "Relistings.h"
#include "StartedTool.h"
#include "TreeItems.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {
// Drops the things onto the list as a file manager does, offering to copy or move and
// proposing a move, and lets the tool act on them. Returns the action the drop was taken with.
Qt::DropAction dropOnto(QAbstractItemView *list, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPointF point(10, 10);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point.toPoint(), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(point, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Each file of the folder, hidden ones included, as "name=content".
QStringList contents(const QString &folder)
{
    QStringList files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files << name + '=' + TestAppFolder::readFile(folder + '/' + name);
    return files;
}
} // namespace

class ModDropTest : public QObject {
    Q_OBJECT

private slots:
    void droppedFilesAreCopiedIn_data();
    void droppedFilesAreCopiedIn();
    void failedCopyLeavesTheOldModWhole();
    void setFilesDroppedOntoTheSetList();
};

void ModDropTest::droppedFilesAreCopiedIn_data()
{
    // "dl:" names a file in a downloads folder, "mp:" one in the list's own subfolder.
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("folderAfter");
    QTest::addColumn<QStringList>("messages"); // %1 the downloads folder, %2 the subfolder
    const QString question("There is a mod old.zip in %2 already.\nReplace it?");
    QTest::newRow("new mod") << QStringList{"dl:new.zip"} << QList<bool>{}
                             << QStringList{"new.zip=new", "old.zip=old"} << QStringList{};
    QTest::newRow("same name, replaced") << QStringList{"dl:old.zip"} << QList<bool>{true}
                                         << QStringList{"old.zip=newer"} << QStringList{question};
    QTest::newRow("same name, kept") << QStringList{"dl:old.zip"} << QList<bool>{false}
                                     << QStringList{"old.zip=old"} << QStringList{question};
    QTest::newRow("dropped from its own subfolder") << QStringList{"mp:old.zip"} << QList<bool>{}
                                                    << QStringList{"old.zip=old"} << QStringList{};
    QTest::newRow("web link") << QStringList{"https://example.org/x.zip"} << QList<bool>{}
                              << QStringList{"old.zip=old"} << QStringList{};
    QStringList refused{"dl:pack", "dl:new.zip"};
    QString refusals = QDir::toNativeSeparators("%1/pack") + " is a folder.";
#ifdef Q_OS_UNIX
    refused << "dl:.hidden.zip"
            << "dl:fifo.zip";
    refusals += "\n%1/.hidden.zip has a name the mod lists leave out.\n%1/fifo.zip is not a "
                "plain file.";
#endif
    QTest::newRow("folders and the like refused")
        << refused << QList<bool>{} << QStringList{"new.zip=new", "old.zip=old"}
        << QStringList{"Only plain files can be added as mods. These were left out:\n\n" +
                       refusals};
}

void ModDropTest::droppedFilesAreCopiedIn()
{
    QFETCH(QStringList, dropped);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, folderAfter);
    QFETCH(QStringList, messages);
    StartedTool tool({"old.zip"});
    const QString subfolder = tool.folder.modFolder() + QStringLiteral("/multiplay");
    TestAppFolder::writeFile(subfolder + "/old.zip", "old");
    const QString downloads = tool.folder.root() + QStringLiteral("/downloads");
    TestAppFolder::writeFile(downloads + "/new.zip", "new");
    TestAppFolder::writeFile(downloads + "/old.zip", "newer");
    TestAppFolder::writeFile(downloads + "/.hidden.zip", "hidden");
    QVERIFY(QDir().mkpath(downloads + "/pack"));
#ifdef Q_OS_UNIX
    QCOMPARE(mkfifo(QFile::encodeName(downloads + "/fifo.zip").constData(), 0600), 0);
#endif
    const QStringList downloaded = contents(downloads);
    QList<QUrl> urls;
    for (const QString &thing : dropped) {
        urls << (thing.startsWith(QLatin1String("dl:"))
                     ? QUrl::fromLocalFile(downloads + '/' + thing.mid(3))
                 : thing.startsWith(QLatin1String("mp:"))
                     ? QUrl::fromLocalFile(subfolder + '/' + thing.mid(3))
                     : QUrl(thing));
    }
    tool.probe.questionAnswers = answers;
    Relistings relistings(tool.window.get());

    const Qt::DropAction taken = dropOnto(tool.form().listMP, urls);

    QCOMPARE(taken, urls.first().isLocalFile() ? Qt::CopyAction : Qt::IgnoreAction);
    QCOMPARE(contents(subfolder), folderAfter);
    QCOMPARE(contents(downloads), downloaded);
    for (QString &message : messages)
        message.replace("%1", QDir::toNativeSeparators(downloads)).replace("%2", subfolder);
    QCOMPARE(tool.probe.messageTexts(), messages);
    if (folderAfter.size() > 1) {
        QVERIFY(relistings.waitFor(subfolder));
        QCOMPARE(itemTexts(tool.form().listMP), QStringList({"new.zip", "old.zip"}));
    }
}

// The copy fails: on Linux half-way, as the file would grow beyond the process's file size
// limit; on Windows at once, as the mod to be replaced is read-only. The mod stays whole, nothing
// else is left behind, and the message says why.
void ModDropTest::failedCopyLeavesTheOldModWhole()
{
    StartedTool tool({"old.zip"});
    const QString subfolder = tool.folder.modFolder() + QStringLiteral("/multiplay");
    const QString target = subfolder + QStringLiteral("/old.zip");
    TestAppFolder::writeFile(target, "old");
    const QString source = tool.folder.root() + QStringLiteral("/downloads/old.zip");
    TestAppFolder::writeFile(source, QByteArray(3 << 20, 'x'));
    tool.probe.questionAnswers = {true};

#ifdef Q_OS_UNIX
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = unlimited;
    limited.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &limited);
    dropOnto(tool.form().listMP, {QUrl::fromLocalFile(source)});
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousHandler);
#else
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
    dropOnto(tool.form().listMP, {QUrl::fromLocalFile(source)});
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
#endif

    QCOMPARE(contents(subfolder), QStringList{"old.zip=old"});
    QCOMPARE(tool.probe.messages.size(), 2);
    const QString text = tool.probe.messages.last().text;
    const QString start =
        "Cannot copy " + QDir::toNativeSeparators(source) + " to " + target + ":\n";
    QVERIFY2(text.startsWith(start) && text.endsWith('.') && text.size() > start.size() + 1,
             qPrintable(text));
}

void ModDropTest::setFilesDroppedOntoTheSetList()
{
    struct Case {
        QStringList dropped; // from a downloads folder
        QList<bool> answers;
        QStringList folderAfter;
        QString message; // %1 the downloads folder, %2 "Set Files"
    };
    const QString question("There is a set old.set in %2 already.\nReplace it?");
    QStringList refused{"pack.set", "notes.txt", "New.SET"};
    QString refusals = "Only .set files can be added as sets. These were left out:\n\n" +
                       QDir::toNativeSeparators("%1/pack.set") + " is a folder.\n" +
                       QDir::toNativeSeparators("%1/notes.txt") + " is not a .set file.";
#ifdef Q_OS_UNIX
    refused << ".hidden.set";
    refusals += "\n%1/.hidden.set has a name the set list leaves out.";
#endif
    const QList<Case> cases{{{"New.SET"}, {}, {"New.SET=new", "old.set=old"}, QString()},
                            {{"old.set"}, {true}, {"old.set=newer"}, question},
                            {{"old.set"}, {false}, {"old.set=old"}, question},
                            {refused, {}, {"New.SET=new", "old.set=old"}, refusals}};
    for (Case row : cases) {
        StartedTool tool;
        TestAppFolder::writeFile(tool.folder.setFilesDir() + "/old.set", "old");
        const QString downloads = tool.folder.root() + QStringLiteral("/downloads");
        for (const char *name : {"New.SET", "old.set", "notes.txt", ".hidden.set"})
            TestAppFolder::writeFile(downloads + '/' + name, name[0] == 'N' ? "new" : "newer");
        QVERIFY(QDir().mkpath(downloads + "/pack.set"));
        QList<QUrl> urls;
        for (const QString &name : std::as_const(row.dropped))
            urls << QUrl::fromLocalFile(downloads + '/' + name);
        tool.probe.questionAnswers = row.answers;

        QCOMPARE(dropOnto(tool.form().listChooseSetting, urls), Qt::CopyAction);

        QCOMPARE(contents(tool.folder.setFilesDir()), row.folderAfter);
        QCOMPARE(tool.probe.messages.value(0).text,
                 row.message.replace("%1", QDir::toNativeSeparators(downloads))
                     .replace("%2", tool.folder.setFilesDir()));
        QCOMPARE(tool.probe.messages.size(), row.message.isEmpty() ? 0 : 1);
    }
}

QTEST_MAIN(ModDropTest)
#include "tst_moddrop.moc"
