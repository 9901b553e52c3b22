// Mod folders as other programs and users leave them: huge, looping, half broken, unreadable,
// or full of odd names. The tool lists what it can, says what it must, and never hangs.

#include "ModNames.h"
#include "PlatformProbe.h"
#include "ReliabilitySupport.h"
#include "TestAppFolder.h"
#include "TreeItems.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "platform/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace reliability;

namespace {
QStringList sorted(QStringList names)
{
    names.sort(Qt::CaseInsensitive);
    return names;
}

void link(const QString &target, const QString &linkPath)
{
    QVERIFY2(QFile::link(target, linkPath), qPrintable(linkPath));
}

// Windows allows no double quote in a file name; percent signs are as awkward there.
const QStringList oddNames{
#ifdef Q_OS_WIN
    QStringLiteral("%quoted%.zip"),
#else
    QStringLiteral("\"quoted\".zip"),
#endif
    QStringLiteral("it's.zip"),     QStringLiteral("a=b.zip"),       QStringLiteral(";semi.zip"),
    QStringLiteral("#hash.zip"),    QStringLiteral("[bracket].zip"), QStringLiteral(" lead.zip"),
    QStringLiteral("  two.zip"),    QStringLiteral("Välheim.zip"),   QStringLiteral("冒険.zip"),
    QStringLiteral("🎮 party.zip")};
} // namespace

class BadModFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void thirtyThousandFilesListQuickly();
    void symbolicLinkLoopsAreSkipped();
    void subfolderThatIsNoFolderIsMissing_data();
    void subfolderThatIsNoFolderIsMissing();
    void unreadableSubfolderListsNothing();
    void oddNamesAreListedTickedAndShownAsTheyAre();
    void oddNamesSurviveASetFileAsDocumented();
    void listingKeepsQtsFilesAndOrder_data();
    void listingKeepsQtsFilesAndOrder();
};

void BadModFoldersTest::thirtyThousandFilesListQuickly()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({}, {QStringLiteral("c.zip")}, {QStringLiteral("g.zip")});
    // Under Wine, making thirty thousand files alone takes minutes.
    const int count = runsUnderWine() ? 3000 : 30000;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("mod%1.zip").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(folder.modFolder() + QStringLiteral("/multiplay/") + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        names << name;
    }

    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 0);
    QCOMPARE(window.form().listMP->topLevelItemCount(), count);
    QCOMPARE(namesOf(appState().modsMP), names);

    window.form().listMP->topLevelItem(count - 1)->setCheckState(0, Qt::Checked);
    window.form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
    QCOMPARE(window.form().CurrentCommandLine->text(),
             QStringLiteral("%BinaryPath% --mod_mp=mod00000.zip --mod_mp=%1 ").arg(names.last()));
}

void BadModFoldersTest::symbolicLinkLoopsAreSkipped()
{
#ifdef Q_OS_WIN
    QSKIP("Qt makes shortcut files, not symbolic links, on Windows, where an ordinary user may "
          "not make symbolic links");
#endif
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("real.zip")});
    const QString multiplay = folder.modFolder() + QStringLiteral("/multiplay/");
    link(QStringLiteral("self.zip"), multiplay + QStringLiteral("self.zip"));
    link(QStringLiteral("pong.zip"), multiplay + QStringLiteral("ping.zip"));
    link(QStringLiteral("ping.zip"), multiplay + QStringLiteral("pong.zip"));
    link(QStringLiteral("."), multiplay + QStringLiteral("here"));
    link(QStringLiteral(".."), multiplay + QStringLiteral("up"));
    link(QStringLiteral("real.zip"), multiplay + QStringLiteral("link.zip"));
    link(QStringLiteral("missing.zip"), multiplay + QStringLiteral("dangling.zip"));

    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 0);
    QCOMPARE(itemTexts(window.form().listMP),
             (QStringList{QStringLiteral("link.zip"), QStringLiteral("real.zip")}));
}

void BadModFoldersTest::subfolderThatIsNoFolderIsMissing_data()
{
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<bool>("linkLoop");
    QTest::addColumn<int>("status");
    QTest::newRow("multiplay a file") << QStringLiteral("/multiplay") << false << 2;
    QTest::newRow("campaign a file") << QStringLiteral("/campaign") << false << 3;
    QTest::newRow("global a file") << QStringLiteral("/global") << false << 1;
    QTest::newRow("global a link to itself") << QStringLiteral("/global") << true << 1;
}

void BadModFoldersTest::subfolderThatIsNoFolderIsMissing()
{
    QFETCH(QString, subfolder);
    QFETCH(bool, linkLoop);
    QFETCH(int, status);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    const QString path = folder.modFolder() + subfolder;
    QVERIFY(QDir(path).removeRecursively());
    if (linkLoop)
        link(path, path);
    else
        TestAppFolder::writeFile(path, "not a folder");
    const QStringList before = treeSnapshot(folder.gameDir());

    MainWindow window;
    QVERIFY(!window.startupCompleted());
    QCOMPARE(probe.exits, QVector<int>{status});
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().text,
             QStringLiteral("The mod folder %1 is missing.").arg(path));
    QCOMPARE(treeSnapshot(folder.gameDir()), before);
}

// A subfolder that exists but cannot be listed gives an empty list, and the run goes on.
void BadModFoldersTest::unreadableSubfolderListsNothing()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("hidden.zip")}, {QStringLiteral("c.zip")},
                           {QStringLiteral("g.zip")});
    openFolderToEveryone(folder.appDir(), folder.root());
    const QString multiplay = folder.modFolder() + QStringLiteral("/multiplay");
    setMode(multiplay, 0);

    AsOrdinaryUser ordinary;
    if (!ordinary.isActive())
        QSKIP(qPrintable(ordinary.whyNot()));
    MainWindow window;
    QVERIFY(window.startupCompleted());
    // Nor can it be watched, and the player learns why.
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().text,
             QStringLiteral("The folder %1 is not followed for changes:\n%2.")
                 .arg(multiplay, qt_error_string(EACCES)));
    QVERIFY(probe.exits.isEmpty());
    QCOMPARE(window.form().listMP->topLevelItemCount(), 0);
    QCOMPARE(itemTexts(window.form().listSP), QStringList{QStringLiteral("c.zip")});
    QCOMPARE(itemTexts(window.form().listGlobal), QStringList{QStringLiteral("g.zip")});
}

void BadModFoldersTest::oddNamesAreListedTickedAndShownAsTheyAre()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool(oddNames);
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(sorted(itemTexts(window.form().listMP)), sorted(oddNames));

    QString expectedSelected;
    QString expectedLine = QStringLiteral("%BinaryPath%");
    for (int i = 0; i < window.form().listMP->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = window.form().listMP->topLevelItem(i);
        item->setCheckState(0, Qt::Checked);
        expectedSelected += item->text(0) + QLatin1Char('\n');
        expectedLine += QStringLiteral(" --mod_mp=") + item->text(0);
    }
    QCOMPARE(window.form().SelectedMods->toPlainText(), expectedSelected);
    QCOMPARE(window.form().CurrentCommandLine->text(), expectedLine + QLatin1Char(' '));
}

// Every name comes back from a set file, except that a run of blanks comes back as one.
void BadModFoldersTest::oddNamesSurviveASetFileAsDocumented()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool(oddNames);
    folder.createSetFile(QStringLiteral("odd.set"), QByteArray());
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QTreeWidget *list = window.form().listMP;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setCheckState(0, Qt::Checked);
    window.form().listChooseSetting->setCurrentRow(0);
    window.form().buttonSaveSetting->click();
    QVERIFY(probe.messages.isEmpty());
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setCheckState(0, Qt::Unchecked);

    window.form().buttonLoadSetting->click();
    // The name whose blanks became one is told as missing.
    QCOMPARE(probe.messages.size(), 1);
    QVERIFY2(probe.messages.first().text.contains(QStringLiteral("\n     two.zip\n")),
             qPrintable(probe.messages.first().text));
    QStringList expected = oddNames;
    expected.removeAll(QStringLiteral("  two.zip"));
    QCOMPARE(sorted(checkedItems(list)), sorted(expected));
}

namespace {
#ifdef Q_OS_LINUX
void makeFifo(const QString &path)
{
    QVERIFY2(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0, qPrintable(path));
}

void makeSocket(const QString &path, int *descriptor)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    QVERIFY(size_t(native.size()) < sizeof address.sun_path);
    std::copy(native.begin(), native.end(), address.sun_path);
    *descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(*descriptor >= 0);
    QVERIFY(::bind(*descriptor, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
}

// Names that lower-case alike, so that only the sort's own handling of ties orders them;
// names whose lower case differs from their case folding or changes their length; and a name
// that begins with another.
QStringList caseTies()
{
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        const QString name = QStringLiteral("tie %1.zip").arg(i % 20);
        names << name.toUpper() + QString::number(i / 20) << name + QString::number(i / 20)
              << QStringLiteral("Tie %1.zip").arg(i % 20) + QString::number(i / 20);
    }
    names << QStringLiteral("ß.zip") << QStringLiteral("ẞ.zip") << QStringLiteral("ſb.zip")
          << QStringLiteral("sa.zip") << QStringLiteral("t.zip") << QStringLiteral("İa.zip")
          << QStringLiteral("ib.zip") << QStringLiteral("ıc.zip") << QStringLiteral("Σ.zip")
          << QStringLiteral("σ.zip") << QStringLiteral("ς.zip") << QStringLiteral("Ꭰ.zip")
          << QStringLiteral("ꭰ.zip") << QStringLiteral("Kb.zip") << QStringLiteral("ka.zip")
          << QStringLiteral("𐐀b.zip") << QStringLiteral("𐐨a.zip") << QStringLiteral("_.zip")
          << QStringLiteral("[.zip") << QStringLiteral("Z.zip") << QStringLiteral("a.zip")
          << QStringLiteral("A.zip.old");
    return names;
}
#endif
} // namespace

void BadModFoldersTest::listingKeepsQtsFilesAndOrder_data()
{
    QTest::addColumn<QString>("pathEnding");
    QTest::newRow("plain path") << "";
    QTest::newRow("path with a trailing slash") << "/";
    QTest::newRow("path through a dot") << "/./";
}

// The listing reads the folder and sorts for itself; it must keep exactly the files Qt's listing
// keeps, in exactly its order.
void BadModFoldersTest::listingKeepsQtsFilesAndOrder()
{
#ifndef Q_OS_LINUX
    QSKIP("FIFOs, sockets and symbolic links are made the Linux way");
#else
    QFETCH(QString, pathEnding);
    QTemporaryDir root;
    const QString folder = root.path() + QStringLiteral("/mods");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/inner.zip")));
    for (const QString &name : oddNames + caseTies() + QStringList{QStringLiteral(".hidden.zip")})
        TestAppFolder::writeFile(folder + QLatin1Char('/') + name, "mod");
    makeFifo(folder + QStringLiteral("/fifo.zip"));
    int socketDescriptor = -1;
    makeSocket(folder + QStringLiteral("/socket.zip"), &socketDescriptor);
    const auto closeSocket = qScopeGuard([socketDescriptor] { ::close(socketDescriptor); });
    const QList<QPair<QString, QString>> links{
        {QStringLiteral("a.zip"), QStringLiteral("link.zip")},
        {QStringLiteral("a.zip"), QStringLiteral(".hiddenlink.zip")},
        {QStringLiteral(".hidden.zip"), QStringLiteral("to hidden.zip")},
        {QStringLiteral("inner.zip"), QStringLiteral("to folder.zip")},
        {QStringLiteral("fifo.zip"), QStringLiteral("to fifo.zip")},
        {QStringLiteral("socket.zip"), QStringLiteral("to socket.zip")},
        {QStringLiteral("/dev/null"), QStringLiteral("to device.zip")},
        {QStringLiteral("missing.zip"), QStringLiteral("dangling.zip")},
        {QStringLiteral("self.zip"), QStringLiteral("self.zip")},
        {QStringLiteral("pong.zip"), QStringLiteral("ping.zip")},
        {QStringLiteral("ping.zip"), QStringLiteral("pong.zip")},
        {QStringLiteral(".."), QStringLiteral("up")}};
    for (const auto &[target, name] : links)
        link(target, folder + QLatin1Char('/') + name);

    const QString path = folder + pathEnding;
    QStringList expected = QDir(path).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    // Qt leaves names of the same lower case in the order the folder gave them; the listing
    // orders them by the names themselves.
    for (auto tie = expected.begin(); tie != expected.end();) {
        const auto end = std::find_if(tie, expected.end(), [&](const QString &name) {
            return name.toLower() != tie->toLower();
        });
        std::sort(tie, end);
        tie = end;
    }
    QVERIFY(expected.contains(QStringLiteral("to fifo.zip")));
    QVERIFY(!expected.contains(QStringLiteral("fifo.zip")));
    QCOMPARE(platform::listPlainFiles(path), expected);
#endif
}

QTEST_MAIN(BadModFoldersTest)
#include "tst_badmodfolders.moc"
