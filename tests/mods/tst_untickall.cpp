#include "FolderSnapshot.h"
#include "ModFindDriver.h"
#include "StartedTool.h"
#include "TreeItems.h"

#include <QAction>
#include <QtTest>

namespace {
QAction *listAction(QTreeWidget *list, const QString &objectName)
{
    for (QAction *action : list->actions()) {
        if (action->objectName() == objectName)
            return action;
    }
    return nullptr;
}

QStringList actionTexts(QWidget *widget)
{
    QStringList texts;
    for (const QAction *action : widget->actions())
        texts << action->text();
    return texts;
}
} // namespace

class UntickAllTest : public QObject {
    Q_OBJECT

private slots:
    void everyModListOffersBoth();
    void untickingInOneStep_data();
    void untickingInOneStep();
};

void UntickAllTest::everyModListOffersBoth()
{
    StartedTool tool;
    const QStringList both{QStringLiteral("Untick All in This List"),
                           QStringLiteral("Untick All Mods")};
    for (QTreeWidget *list : {tool.form().listMP, tool.form().listSP, tool.form().listGlobal}) {
        QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(actionTexts(list).mid(0, 2), both);
    }
    QVERIFY(!actionTexts(tool.form().listChooseSetting).contains(both.at(1)));
}

void UntickAllTest::untickingInOneStep_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("tickFirst");
    QTest::addColumn<QString>("selectedMods");
    QTest::addColumn<QString>("commandLine");
    const QString inList = QStringLiteral("actionUntickAllInList");
    const QString all = QStringLiteral("actionUntickAllMods");
    QTest::newRow("multiplayer list, some hidden") << "listMP" << inList << true << "c.zip\ng.zip\n"
                                                   << "%BinaryPath% --mod_ca=c.zip --mod=g.zip -x";
    QTest::newRow("campaign list") << "listSP" << inList << true << "a.zip\nb.zip\ng.zip\n"
                                   << "%BinaryPath% --mod_mp=a.zip --mod_mp=b.zip --mod=g.zip -x";
    QTest::newRow("global list") << "listGlobal" << inList << true << "a.zip\nb.zip\nc.zip\n"
                                 << "%BinaryPath% --mod_mp=a.zip --mod_mp=b.zip --mod_ca=c.zip -x";
    QTest::newRow("all, from the filtered list") << "listMP" << all << true << ""
                                                 << "%BinaryPath% -x";
    QTest::newRow("all, from the global list") << "listGlobal" << all << true << ""
                                               << "%BinaryPath% -x";
    QTest::newRow("nothing ticked") << "listSP" << all << false << ""
                                    << "%BinaryPath% -x";
}

void UntickAllTest::untickingInOneStep()
{
    QFETCH(QString, list);
    QFETCH(QString, action);
    QFETCH(bool, tickFirst);
    QFETCH(QString, selectedMods);
    QFETCH(QString, commandLine);
    StartedTool tool({QStringLiteral("a.zip"), QStringLiteral("b.zip")}, {QStringLiteral("c.zip")},
                     {QStringLiteral("g.zip"), QStringLiteral("h.zip")});
    tool.folder.createSetFile(QStringLiteral("kept.set"), "[SettingMP]\nMod0=a.zip\n");
    MainWindowForm &form = tool.form();
    form.inputOtherCommands->setText(QStringLiteral("-x"));
    if (tickFirst) {
        tool.tick(form.listMP, QStringLiteral("a.zip"));
        tool.tick(form.listMP, QStringLiteral("b.zip"));
        tool.tick(form.listSP, QStringLiteral("c.zip"));
        tool.tick(form.listGlobal, QStringLiteral("g.zip"));
    }
    // The find field hides a.zip; unticking takes it along all the same.
    QVERIFY(modfind::showActive(*tool.window));
    QVERIFY(modfind::find(*tool.window, QStringLiteral("b")));
    QVERIFY(itemNamed(form.listMP, QStringLiteral("a.zip"))->isHidden());
    const QStringList setFiles = treeSnapshot(tool.folder.setFilesDir());
    QSignalSpy selectedModsChanges(form.SelectedMods, &QPlainTextEdit::textChanged);
    QSignalSpy commandLineChanges(form.CurrentCommandLine, &QLineEdit::textChanged);

    auto *owner = tool.window->findChild<QTreeWidget *>(list);
    QAction *untick = listAction(owner, action);
    QVERIFY(untick);
    untick->trigger();

    QCOMPARE(tool.selectedMods(), selectedMods);
    QCOMPARE(tool.commandLine(), commandLine);
    QCOMPARE(appState().otherCommands, QStringLiteral("-x"));
    // The tables agree with the items, hidden ones included.
    const auto agree = [](QTreeWidget *tree, const ModTable &table) {
        QStringList ticked;
        for (const ModEntry &entry : table) {
            if (entry.ticked)
                ticked << entry.name;
        }
        return checkedItems(tree) == ticked;
    };
    QVERIFY(agree(form.listMP, appState().modsMP));
    QVERIFY(agree(form.listSP, appState().modsSP));
    QVERIFY(agree(form.listGlobal, appState().modsGlobal));
    // Rendered once, or not at all when nothing changed.
    QCOMPARE(selectedModsChanges.size(), tickFirst ? 1 : 0);
    QCOMPARE(commandLineChanges.size(), tickFirst ? 1 : 0);
    QCOMPARE(treeSnapshot(tool.folder.setFilesDir()), setFiles);
    QVERIFY(tool.probe.messages.isEmpty());
    // The filter is the player's: it stays.
    QVERIFY(itemNamed(form.listMP, QStringLiteral("a.zip"))->isHidden());
}

QTEST_MAIN(UntickAllTest)
#include "tst_untickall.moc"
