#include "Relistings.h"
#include "RunsUnderWine.h"
#include "StartedTool.h"
#include "TreeItems.h"

#include "platform/FolderWatch.h"
#include "setfiles/SetFileList.h"

#include "ModNames.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
void changeFiles(const QString &folder, const QStringList &added, const QStringList &removed)
{
    for (const QString &name : removed)
        QVERIFY(QFile::remove(folder + QLatin1Char('/') + name));
    for (const QString &name : added)
        TestAppFolder::writeFile(folder + QLatin1Char('/') + name, "new");
}

// The next Options dialog takes this mod folder, the other locations as they are.
void chooseModFolderInOptions(const QString &modFolder)
{
    QTimer::singleShot(0, [modFolder] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>(QStringLiteral("modFolder"))->setText(modFolder);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
}
} // namespace

class LiveListsTest : public QObject {
    Q_OBJECT

private slots:
    void modsFollowTheFolder_data();
    void modsFollowTheFolder();
    void placeInTheListStays_data();
    void placeInTheListStays();
    void vanishedSubfolderEmptiesItsListUntilItComesBack();
    void burstOfFilesIsListedOncePerFolder();
    void setFileListFollowsTheFolder_data();
    void setFileListFollowsTheFolder();
    void setFileListTakesNamesOfOneCaseReordered();
    void changedModFolderIsShown_data();
    void changedModFolderIsShown();
    void refusedWatchIsNamedOncePerFolder();
};

void LiveListsTest::modsFollowTheFolder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<int>("renderings");
    QTest::newRow("added first, between and last")
        << QStringList{"a.zip", "C.zip", "z.zip"} << QStringList{}
        << QStringList{"a.zip", "b.zip", "C.zip", "d.zip", "f.zip", "z.zip"}
        << QStringList{"b.zip", "f.zip"} << 0;
    QTest::newRow("unticked mod gone")
        << QStringList{} << QStringList{"d.zip"} << QStringList{"b.zip", "f.zip"}
        << QStringList{"b.zip", "f.zip"} << 0;
    QTest::newRow("ticked mods gone") << QStringList{} << QStringList{"b.zip", "f.zip"}
                                      << QStringList{"d.zip"} << QStringList{} << 1;
    QTest::newRow("ticked mod renamed")
        << QStringList{"bb.zip"} << QStringList{"b.zip"} << QStringList{"bb.zip", "d.zip", "f.zip"}
        << QStringList{"f.zip"} << 1;
}

void LiveListsTest::modsFollowTheFolder()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, ticked);
    QFETCH(int, renderings);
    StartedTool tool({"b.zip", "d.zip", "f.zip"}, {}, {"g.zip"});
    StartedTool::tick(tool.form().listMP, QStringLiteral("b.zip"));
    StartedTool::tick(tool.form().listMP, QStringLiteral("f.zip"));
    StartedTool::tick(tool.form().listGlobal, QStringLiteral("g.zip"));
    Relistings relistings(tool.window.get());
    QSignalSpy rendered(tool.form().SelectedMods, &QPlainTextEdit::textChanged);
    const QString folder = tool.folder.modFolder() + QStringLiteral("/multiplay");

    changeFiles(folder, added, removed);
    QVERIFY(relistings.waitFor(folder));

    QCOMPARE(itemTexts(tool.form().listMP), listed);
    QCOMPARE(namesOf(appState().modsMP), listed);
    QCOMPARE(checkedItems(tool.form().listMP), ticked);
    QCOMPARE(tickedNames(appState().modsMP), ticked);
    QCOMPARE(tool.selectedMods(), (ticked + QStringList{"g.zip"}).join(QLatin1Char('\n')) + '\n');
    QString options;
    for (const QString &name : ticked)
        options += QStringLiteral(" --mod_mp=") + name;
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath%") + options + " --mod=g.zip ");
    QCOMPARE(int(rendered.size()), renderings);
}

void LiveListsTest::placeInTheListStays_data()
{
    QTest::addColumn<bool>("currentGoes");
    QTest::newRow("current mod stays") << false;
    QTest::newRow("current mod goes") << true;
}

// Mods appear and vanish above, among and below what the player looks at: the top row, the
// current mod, the selection and the focus stay where they were, by name.
void LiveListsTest::placeInTheListStays()
{
    QFETCH(bool, currentGoes);
    QStringList mods;
    for (int i = 0; i < 100; ++i)
        mods << QStringLiteral("m%1.zip").arg(i, 3, 10, QLatin1Char('0'));
    StartedTool tool(mods);
    QTreeWidget *list = tool.form().listMP;
    tool.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool.window.get()));
    list->setFocus();
    for (const char *name : {"m010.zip", "m044.zip", "m046.zip"})
        StartedTool::item(list, QLatin1String(name))->setSelected(true);
    list->selectionModel()->setCurrentIndex(list->model()->index(44, 0),
                                            QItemSelectionModel::NoUpdate);
    list->scrollToItem(StartedTool::item(list, QStringLiteral("m040.zip")),
                       QAbstractItemView::PositionAtTop);
    QCOMPARE(list->itemAt(QPoint(1, 1))->text(0), QStringLiteral("m040.zip"));
    Relistings relistings(tool.window.get());
    const QString folder = tool.folder.modFolder() + QStringLiteral("/multiplay");

    changeFiles(folder, {"m000a.zip", "m001a.zip", "m045a.zip", "m099a.zip"},
                currentGoes ? QStringList{"m020.zip", "m044.zip"} : QStringList{"m020.zip"});
    QVERIFY(relistings.waitFor(folder));

    QCOMPARE(list->currentItem()->text(0), currentGoes ? "m045.zip" : "m044.zip");
    QStringList selected;
    for (const QTreeWidgetItem *item : list->selectedItems())
        selected << item->text(0);
    selected.sort();
    QCOMPARE(selected, currentGoes ? QStringList({"m010.zip", "m046.zip"})
                                   : QStringList({"m010.zip", "m044.zip", "m046.zip"}));
    QCOMPARE(list->itemAt(QPoint(1, 1))->text(0), QStringLiteral("m040.zip"));
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(itemTexts(list), namesOf(appState().modsMP));
}

void LiveListsTest::vanishedSubfolderEmptiesItsListUntilItComesBack()
{
    if (runsUnderWine())
        QSKIP("Wine reports neither the removal nor the making of a watched folder");
    StartedTool tool({}, {"s.zip"});
    StartedTool::tick(tool.form().listSP, QStringLiteral("s.zip"));
    Relistings relistings(tool.window.get());
    const QString folder = tool.folder.modFolder() + QStringLiteral("/campaign");

    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(relistings.waitFor(folder));
    QCOMPARE(tool.form().listSP->topLevelItemCount(), 0);
    QVERIFY(appState().modsSP.isEmpty());
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% "));
    QVERIFY(tool.probe.exits.isEmpty());
    QVERIFY(tool.probe.messages.isEmpty());

    TestAppFolder::writeFile(folder + QStringLiteral("/t.zip"), "mod");
    QVERIFY(relistings.waitFor(folder, 2));
    TestAppFolder::writeFile(folder + QStringLiteral("/u.zip"), "mod");
    QVERIFY(relistings.waitFor(folder, 3));
    QCOMPARE(itemTexts(tool.form().listSP), QStringList({"t.zip", "u.zip"}));
}

// Files copied in by the thousand, with the tool taking in the system's reports all along.
void LiveListsTest::burstOfFilesIsListedOncePerFolder()
{
    // Under Wine each new file of a folder takes longer the more the folder holds.
    const int count = runsUnderWine() ? 300 : 5000;
    StartedTool tool;
    Relistings relistings(tool.window.get());
    const QStringList folders{tool.folder.modFolder() + QStringLiteral("/multiplay"),
                              tool.folder.modFolder() + QStringLiteral("/global")};
    for (int i = 0; i < count; ++i) {
        for (const QString &folder : folders)
            TestAppFolder::writeFile(folder + QStringLiteral("/mod%1.zip").arg(i), "mod");
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    }
    for (const QString &folder : folders)
        QVERIFY(relistings.waitFor(folder));
    QTest::qWait(3 * platform::FolderWatch::settleMs);

    for (const QString &folder : folders)
        QCOMPARE(relistings.of(folder), 1);
    QCOMPARE(tool.form().listMP->topLevelItemCount(), count);
    QCOMPARE(tool.form().listGlobal->topLevelItemCount(), count);
}

void LiveListsTest::setFileListFollowsTheFolder_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("chosenAfter");
    QTest::newRow("new sets, chosen stays")
        << "d.set" << QStringList{"a.set", "C.set"} << QStringList{}
        << QStringList{"a.set", "b.set", "C.set", "d.set"} << "d.set";
    QTest::newRow("chosen set gone")
        << "b.set" << QStringList{} << QStringList{"b.set"} << QStringList{"d.set"} << "";
    QTest::newRow("chosen set renamed") << "d.set" << QStringList{"e.set"} << QStringList{"d.set"}
                                        << QStringList{"b.set", "e.set"} << "";
}

void LiveListsTest::setFileListFollowsTheFolder()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, added);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, listed);
    QFETCH(QString, chosenAfter);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    folder.createSetFile(QStringLiteral("b.set"), "");
    folder.createSetFile(QStringLiteral("d.set"), "");
    MainWindow window;
    QListWidget *list = window.form().listChooseSetting;
    list->setCurrentItem(list->findItems(chosen, Qt::MatchExactly).value(0));
    Relistings relistings(&window);

    changeFiles(folder.setFilesDir(), added, removed);
    QVERIFY(relistings.waitFor(folder.setFilesDir()));

    QCOMPARE(itemTexts(list), listed);
    QCOMPARE(appState().setFileNames, listed);
    QCOMPARE(appState().selectedSetFile, chosenAfter);
    QCOMPARE(window.form().SelectedSetting->text(), chosenAfter);
    QCOMPARE(list->currentItem() ? list->currentItem()->text() : QString(), chosenAfter);
}

// Names that differ only in case may come in either order from one listing to the next.
void LiveListsTest::setFileListTakesNamesOfOneCaseReordered()
{
#ifdef Q_OS_WIN
    QSKIP("A Windows folder holds no two names that differ only in case");
#endif
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    folder.createSetFile(QStringLiteral("A.set"), "");
    folder.createSetFile(QStringLiteral("a.set"), "");
    MainWindow window;
    QListWidget *list = window.form().listChooseSetting;
    QCOMPARE(list->count(), 2);
    const QString chosen = list->item(1)->text();
    list->setCurrentRow(1);
    const QStringList reordered{chosen, list->item(0)->text()};

    relistSetFileList(window.form(), reordered);

    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    QCOMPARE(texts, reordered);
    QCOMPARE(list->currentItem()->text(), chosen);
    QCOMPARE(appState().selectedSetFile, chosen);
}

void LiveListsTest::changedModFolderIsShown_data()
{
    QTest::addColumn<bool>("campaignThere");
    QTest::newRow("complete mod folder") << true;
    QTest::newRow("mod folder without campaign") << false;
}

// The lists follow the mod folder the player chose; the configuration editor keeps what it
// read at start.
void LiveListsTest::changedModFolderIsShown()
{
    QFETCH(bool, campaignThere);
    StartedTool tool({"old.zip", "shared.zip"}, {"s.zip"});
    StartedTool::tick(tool.form().listMP, QStringLiteral("shared.zip"));
    StartedTool::tick(tool.form().listMP, QStringLiteral("old.zip"));
    tool.form().editVHConfig->setPlainText(QStringLiteral("unsaved=edit"));
    const QString other = tool.folder.root() + QStringLiteral("/other mods");
    changeFiles(other + QStringLiteral("/multiplay"), {"new.zip", "shared.zip"}, {});
    QVERIFY(QDir().mkpath(other + QStringLiteral("/global")));
    if (campaignThere)
        changeFiles(other + QStringLiteral("/campaign"), {"s2.zip"}, {});

    chooseModFolderInOptions(other);
    tool.form().ChangePaths->click();

    QCOMPARE(appState().modFolderPath, other);
    QCOMPARE(itemTexts(tool.form().listMP), QStringList({"new.zip", "shared.zip"}));
    QCOMPARE(checkedItems(tool.form().listMP), QStringList{"shared.zip"});
    QCOMPARE(itemTexts(tool.form().listSP), campaignThere ? QStringList{"s2.zip"} : QStringList{});
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=shared.zip "));
    QCOMPARE(tool.form().editVHConfig->toPlainText(), QStringLiteral("unsaved=edit"));
    QVERIFY(tool.probe.exits.isEmpty());
    const QStringList warnings{QStringLiteral("The mod folder %1/campaign is missing.").arg(other)};
    QCOMPARE(tool.probe.messageTexts(), campaignThere ? QStringList{} : warnings);
}

// A watch the system refuses is named once for its folder, with the system's reason; a folder
// followed afterwards is named again.
void LiveListsTest::refusedWatchIsNamedOncePerFolder()
{
    struct Refusals {
        Refusals()
        {
            platform::watchRefusalSeam.replace([](const QString &path) {
                return path.endsWith(QLatin1String("/campaign")) ? QStringLiteral("No room.")
                                                                 : QString();
            });
        }
        ~Refusals() { platform::watchRefusalSeam.replace({}); }
    } refusals;
    const auto warnings = [](const PlatformProbe &probe) {
        QStringList texts;
        for (const platform::MessageRecord &message : probe.messages) {
            if (message.kind == platform::MessageKind::Warning &&
                message.title == QLatin1String("Halvane v5"))
                texts << message.text;
        }
        return texts;
    };
    const QString text = QStringLiteral("The folder %1/campaign is not followed for changes:\nNo "
                                        "room.");
    StartedTool tool({"m.zip"}, {"s.zip"});
    QStringList expected{text.arg(appState().modFolderPath)};
    QCOMPARE(warnings(tool.probe), expected);
    QCOMPARE(tool.probe.messages.size(), 1);

    // A change above the folder lists it again and asks for its watch again.
    Relistings relistings(tool.window.get());
    const QString folder = appState().modFolderPath + QStringLiteral("/campaign");
    TestAppFolder::writeFile(folder + QStringLiteral("/t.zip"), "mod");
    TestAppFolder::writeFile(appState().modFolderPath + QStringLiteral("/readme.txt"), "text");
    QVERIFY(relistings.waitFor(folder));
    QCOMPARE(itemTexts(tool.form().listSP), QStringList({"s.zip", "t.zip"}));
    QCOMPARE(warnings(tool.probe), expected);

    const QString other = tool.folder.root() + QStringLiteral("/other mods");
    for (const char *subfolder : {"/multiplay", "/campaign", "/global"})
        QVERIFY(QDir().mkpath(other + QLatin1String(subfolder)));
    chooseModFolderInOptions(other);
    tool.form().ChangePaths->click();
    expected << text.arg(other);
    QCOMPARE(warnings(tool.probe), expected);
    QCOMPARE(tool.probe.messages.size(), 2);
}

QTEST_MAIN(LiveListsTest)
#include "tst_livelists.moc"
