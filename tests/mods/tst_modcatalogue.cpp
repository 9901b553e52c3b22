#include "ModNames.h"
#include "StartedTool.h"
#include "TreeItems.h"

#include "mods/ModCatalogue.h"

#include <QDir>
#include <QtTest>

class ModCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void listingOrderIgnoresCaseAndKeepsEveryExtension();
    void foldersAndHiddenFilesAreLeftOut();
    void namesWithLineBreaksAreLeftOut();
    void namesStayExactlyAsListed();
    void itemsAreCheckableUntickedAndInTableOrder();
    void tablesAreAppendedToNotCleared();
    void missingSubfolderWarnsThenEndsWithItsStatus_data();
    void missingSubfolderWarnsThenEndsWithItsStatus();
};

void ModCatalogueTest::listingOrderIgnoresCaseAndKeepsEveryExtension()
{
    StartedTool tool({QStringLiteral("beta.zip"), QStringLiteral("Alpha.zip"),
                      QStringLiteral("gamma.txt"), QStringLiteral("README"),
                      QStringLiteral("Delta.PAK")});
    const QStringList expected{QStringLiteral("Alpha.zip"), QStringLiteral("beta.zip"),
                               QStringLiteral("Delta.PAK"), QStringLiteral("gamma.txt"),
                               QStringLiteral("README")};
    QCOMPARE(namesOf(appState().modsMP), expected);
    QCOMPARE(itemTexts(tool.form().listMP), expected);
}

void ModCatalogueTest::foldersAndHiddenFilesAreLeftOut()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({}, {}, {QStringLiteral("g.zip"), QStringLiteral(".hidden.zip")});
    const QString global = folder.modFolder() + QStringLiteral("/global");
    QVERIFY(QDir().mkpath(global + QStringLiteral("/inner.zip")));
    QVERIFY(QDir().mkpath(global + QStringLiteral("/.hiddenfolder")));
    TestAppFolder::hide(global + QStringLiteral("/.hidden.zip"));
    TestAppFolder::hide(global + QStringLiteral("/.hiddenfolder"));
#ifndef Q_OS_WIN
    // On Windows this would make a shortcut, which is an ordinary file there.
    QVERIFY(QFile::link(global + QStringLiteral("/inner.zip"), global + QStringLiteral("/link")));
#endif

    QCOMPARE(listModFileNames(global), QStringList{QStringLiteral("g.zip")});
}

void ModCatalogueTest::namesWithLineBreaksAreLeftOut()
{
#ifdef Q_OS_WIN
    QSKIP("Windows allows no line break in a file name");
#endif
    StartedTool tool({QStringLiteral("a.zip"), QStringLiteral("line\nbreak.zip"),
                      QStringLiteral("carriage\rreturn.zip"), QStringLiteral("both\r\n.zip"),
                      QStringLiteral("z.zip")});
    const QStringList expected{QStringLiteral("a.zip"), QStringLiteral("z.zip")};
    QCOMPARE(namesOf(appState().modsMP), expected);
    QCOMPARE(itemTexts(tool.form().listMP), expected);
}

void ModCatalogueTest::namesStayExactlyAsListed()
{
    // Windows drops trailing blanks from a file name and allows no quote or tab in it; there
    // its command line's own troublemakers take their place.
    const QStringList names{
#ifdef Q_OS_WIN
        QStringLiteral("  leading"),      QStringLiteral("-dash.zip"),
        QStringLiteral("My Mod.zip"),     QStringLiteral("say 'hi' %PATH%.zip"),
        QStringLiteral("caret^and&.zip"), QStringLiteral("Ünïcödé Šárka.pak")};
#else
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("-dash.zip"),
        QStringLiteral("My Mod.zip"),
        QStringLiteral("say \"hi\".zip"),
        QStringLiteral("tab\there.zip"),
        QStringLiteral("Ünïcödé Šárka.pak")};
#endif
    StartedTool tool({}, names);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(namesOf(appState().modsSP), sorted);
    QCOMPARE(itemTexts(tool.form().listSP), sorted);
}

void ModCatalogueTest::itemsAreCheckableUntickedAndInTableOrder()
{
    StartedTool tool({QStringLiteral("m1.zip"), QStringLiteral("m2.zip")},
                     {QStringLiteral("c1.zip")},
                     {QStringLiteral("g1.zip"), QStringLiteral("m1.zip")});
    const QList<QPair<QTreeWidget *, const ModTable *>> lists{
        {tool.form().listMP, &appState().modsMP},
        {tool.form().listSP, &appState().modsSP},
        {tool.form().listGlobal, &appState().modsGlobal}};
    for (const auto &[list, table] : lists) {
        QCOMPARE(itemTexts(list), namesOf(*table));
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem *item = list->topLevelItem(row);
            QVERIFY(item->flags().testFlag(Qt::ItemIsUserCheckable));
            QVERIFY(item->flags().testFlag(Qt::ItemIsEnabled));
            QCOMPARE(item->checkState(0), Qt::Unchecked);
            QCOMPARE(item->childCount(), 0);
            QVERIFY(!item->data(0, Qt::UserRole).isValid());
            QVERIFY(!table->at(row).ticked);
        }
    }
}

void ModCatalogueTest::tablesAreAppendedToNotCleared()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("new.zip"), QStringLiteral("kept.zip")},
                           {QStringLiteral("c.zip")});
    appState().modsMP.append(QStringLiteral("kept.zip"));
    QCOMPARE(appState().modsMP.indexOf(QStringLiteral("kept.zip")), 0);

    const ModFolderScan scan = scanModSubfolders(folder.modFolder());
    QVERIFY(scan.complete());
    QCOMPARE(namesOf(appState().modsMP),
             QStringList({QStringLiteral("kept.zip"), QStringLiteral("kept.zip"),
                          QStringLiteral("new.zip")}));
    // Entries that join after a lookup are found too, and a name stands for its first entry.
    QCOMPARE(appState().modsMP.indexOf(QStringLiteral("new.zip")), 2);
    QCOMPARE(appState().modsMP.indexOf(QStringLiteral("kept.zip")), 0);
    QCOMPARE(namesOf(appState().modsSP), QStringList{QStringLiteral("c.zip")});
    QVERIFY(appState().modsGlobal.isEmpty());
}

void ModCatalogueTest::missingSubfolderWarnsThenEndsWithItsStatus_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("multiplayScanned");
    QTest::addColumn<int>("campaignScanned");
    QTest::newRow("multiplay") << QStringList{QStringLiteral("multiplay")}
                               << QStringLiteral("multiplay") << 2 << 0 << 0;
    QTest::newRow("campaign") << QStringList{QStringLiteral("campaign")}
                              << QStringLiteral("campaign") << 3 << 1 << 0;
    QTest::newRow("global") << QStringList{QStringLiteral("global")} << QStringLiteral("global")
                            << 1 << 1 << 2;
    QTest::newRow("all three") << QStringList{QStringLiteral("multiplay"),
                                              QStringLiteral("campaign"), QStringLiteral("global")}
                               << QStringLiteral("multiplay") << 2 << 0 << 0;
    QTest::newRow("campaign and global")
        << QStringList{QStringLiteral("campaign"), QStringLiteral("global")}
        << QStringLiteral("campaign") << 3 << 1 << 0;
}

void ModCatalogueTest::missingSubfolderWarnsThenEndsWithItsStatus()
{
    QFETCH(QStringList, removed);
    QFETCH(QString, missing);
    QFETCH(int, status);
    QFETCH(int, multiplayScanned);
    QFETCH(int, campaignScanned);

    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("m.zip")},
                           {QStringLiteral("c1.zip"), QStringLiteral("c2.zip")},
                           {QStringLiteral("g.zip")});
    for (const QString &subfolder : removed)
        QVERIFY(QDir(folder.modFolder() + QLatin1Char('/') + subfolder).removeRecursively());
    // A rewrite simplifies the whitespace, so it shows that options.ini was written.
    TestAppFolder::writeFile(folder.optionsIniPath(),
                             TestAppFolder::readFile(folder.optionsIniPath()) + ";  kept  \n");
    AppState &state = appState();
    state.exePath = folder.exePath();
    state.modFolderPath = folder.modFolder();
    state.configFilePath = folder.configPath();
    int exitsWhenWarned = -1;
    probe.onMessage = [&](QWidget *, const platform::MessageRecord &) {
        exitsWhenWarned = probe.exits.size();
    };

    MainWindow window;
    QVERIFY(!window.startupCompleted());
    QCOMPARE(probe.exits, QVector<int>{status});
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(exitsWhenWarned, 0);
    QCOMPARE(probe.messages.at(0).kind, platform::MessageKind::Warning);
    QCOMPARE(probe.messages.at(0).title, QStringLiteral("Varnhold locations"));
    QCOMPARE(probe.messages.at(0).text,
             QStringLiteral("The mod folder %1/%2 is missing.").arg(folder.modFolder(), missing));
    QCOMPARE(state.modsMP.size(), multiplayScanned);
    QCOMPARE(state.modsSP.size(), campaignScanned);
    QVERIFY(state.modsGlobal.isEmpty());
    QCOMPARE(window.form().listMP->topLevelItemCount(), 0);
    QVERIFY(TestAppFolder::readFile(folder.optionsIniPath())
                .replace("\r\n", "\n")
                .endsWith("\n; kept\n"));
}

QTEST_MAIN(ModCatalogueTest)
#include "tst_modcatalogue.moc"
