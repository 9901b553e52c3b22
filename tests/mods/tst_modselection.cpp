#include "StartedTool.h"

#include "mods/ModLists.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

class ModSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void viewsWhenTheWindowFirstAppears_data();
    void viewsWhenTheWindowFirstAppears();
    void tickingAndUntickingRestoresEverything();
    void sameNameInTwoListsIsTickedIndependently();
    void groupOrderDoesNotFollowTickOrder_data();
    void groupOrderDoesNotFollowTickOrder();
    void namesWithSpacesStandUnquotedInTheView();
    void partialOrNoCheckStateCountsAsUnticked();
    void itemWithoutEntryChangesNoFlag();
    void keystrokesRenderOnlyTheCommandLine();
    void placeholderInOtherOptionsIsShownUnchanged();
    void tickLeavesSelectedModsAtItsStartLikeAFullRendering();
    void batchRendersOnceAtTheOutermostEnd();
    void batchWithoutChangesLeavesTheViewsAlone();
    void changesBehindTheHandlersAreRenderedInFull();
    void namesTheDocumentSplitsAreRenderedAsAFullRenderingWould();
    void thousandsOfModsMatchTheDirectReading();
};

namespace {
const QString a = QStringLiteral("a.zip");
const QString b = QStringLiteral("b.zip");
const QString c = QStringLiteral("c.zip");
const QString g = QStringLiteral("g.zip");

// What the views must show, read off the lists' check marks as the plain definition says.
struct DirectReading {
    QString selectedMods;
    QString commandLine;
};

DirectReading directReading(MainWindowForm &form)
{
    const QList<QPair<QTreeWidget *, QString>> lists{{form.listMP, QStringLiteral(" --mod_mp=")},
                                                     {form.listSP, QStringLiteral(" --mod_ca=")},
                                                     {form.listGlobal, QStringLiteral(" --mod=")}};
    DirectReading reading;
    reading.commandLine = QStringLiteral("%BinaryPath%");
    for (const auto &[list, option] : lists) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem *item = list->topLevelItem(row);
            if (item->checkState(0) != Qt::Checked)
                continue;
            reading.selectedMods += item->text(0) + QLatin1Char('\n');
            reading.commandLine += option + item->text(0);
        }
    }
    reading.commandLine += QLatin1Char(' ') + appState().otherCommands;
    reading.commandLine.truncate(form.CurrentCommandLine->maxLength());
    return reading;
}

bool tablesMirrorTheLists(MainWindowForm &form)
{
    const QList<QPair<QTreeWidget *, const ModTable *>> lists{
        {form.listMP, &appState().modsMP},
        {form.listSP, &appState().modsSP},
        {form.listGlobal, &appState().modsGlobal}};
    for (const auto &[list, table] : lists) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (table->at(row).ticked != (list->topLevelItem(row)->checkState(0) == Qt::Checked))
                return false;
        }
    }
    return true;
}

QStringList numberedNames(const QString &stem, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("%1 %2%3.zip").arg(stem).arg(i).arg(QString(i % 7, u'x')));
    return names;
}
} // namespace

void ModSelectionTest::viewsWhenTheWindowFirstAppears_data()
{
    QTest::addColumn<QStringList>("multiplay");
    QTest::addColumn<QStringList>("global");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("no mod at all") << QStringList() << QStringList() << QString();
    QTest::newRow("multiplayer mods")
        << QStringList{a, b} << QStringList() << QStringLiteral("%BinaryPath% ");
    QTest::newRow("one global mod")
        << QStringList() << QStringList{g} << QStringLiteral("%BinaryPath% ");
}

void ModSelectionTest::viewsWhenTheWindowFirstAppears()
{
    QFETCH(QStringList, multiplay);
    QFETCH(QStringList, global);
    QFETCH(QString, commandLine);
    StartedTool tool(multiplay, {}, global);
    QVERIFY(tool.window->startupCompleted());
    tool.window->show();
    QCOMPARE(tool.commandLine(), commandLine);
    QCOMPARE(tool.selectedMods(), QString());
    QCOMPARE(appState().otherCommands, QString());
}

void ModSelectionTest::tickingAndUntickingRestoresEverything()
{
    StartedTool tool({a, b}, {c}, {g});
    tool.tick(tool.form().listMP, b);
    QVERIFY(appState().modsMP.at(1).ticked);
    QCOMPARE(tool.selectedMods(), QStringLiteral("b.zip\n"));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=b.zip "));

    tool.tick(tool.form().listSP, c);
    QCOMPARE(tool.selectedMods(), QStringLiteral("b.zip\nc.zip\n"));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=b.zip --mod_ca=c.zip "));

    tool.tick(tool.form().listMP, b, false);
    tool.tick(tool.form().listSP, c, false);
    for (const ModTable *table : {&appState().modsMP, &appState().modsSP, &appState().modsGlobal}) {
        for (const ModEntry &entry : *table)
            QVERIFY(!entry.ticked);
    }
    QCOMPARE(tool.selectedMods(), QString());
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% "));
}

void ModSelectionTest::sameNameInTwoListsIsTickedIndependently()
{
    const QString shared = QStringLiteral("shared.zip");
    StartedTool tool({shared}, {}, {shared});
    tool.tick(tool.form().listGlobal, shared);
    QVERIFY(!appState().modsMP.at(0).ticked);
    QVERIFY(appState().modsGlobal.at(0).ticked);
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod=shared.zip "));

    tool.tick(tool.form().listMP, shared);
    QCOMPARE(tool.selectedMods(), QStringLiteral("shared.zip\nshared.zip\n"));
    QCOMPARE(tool.commandLine(),
             QStringLiteral("%BinaryPath% --mod_mp=shared.zip --mod=shared.zip "));

    tool.tick(tool.form().listGlobal, shared, false);
    QVERIFY(appState().modsMP.at(0).ticked);
    QVERIFY(!appState().modsGlobal.at(0).ticked);
    QCOMPARE(tool.selectedMods(), QStringLiteral("shared.zip\n"));
}

void ModSelectionTest::groupOrderDoesNotFollowTickOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QStringList order{QStringLiteral("mp:a.zip"), QStringLiteral("mp:b.zip"),
                      QStringLiteral("sp:c.zip"), QStringLiteral("gl:g.zip")};
    std::sort(order.begin(), order.end());
    int permutation = 0;
    do {
        // Every fourth of the 24 orders keeps the test quick and still covers each group first.
        if (permutation++ % 4 == 0)
            QTest::newRow(qPrintable(order.join(QLatin1Char(' ')))) << order;
    } while (std::next_permutation(order.begin(), order.end()));
}

void ModSelectionTest::groupOrderDoesNotFollowTickOrder()
{
    QFETCH(QStringList, order);
    StartedTool tool({a, b}, {c}, {g});
    tool.form().inputOtherCommands->setText(QStringLiteral("-x"));
    for (const QString &step : order) {
        const QString list = step.section(QLatin1Char(':'), 0, 0);
        QTreeWidget *tree = list == QStringLiteral("mp")   ? tool.form().listMP
                            : list == QStringLiteral("sp") ? tool.form().listSP
                                                           : tool.form().listGlobal;
        tool.tick(tree, step.section(QLatin1Char(':'), 1));
    }
    QCOMPARE(
        tool.commandLine(),
        QStringLiteral("%BinaryPath% --mod_mp=a.zip --mod_mp=b.zip --mod_ca=c.zip --mod=g.zip -x"));
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\nb.zip\nc.zip\ng.zip\n"));
}

void ModSelectionTest::namesWithSpacesStandUnquotedInTheView()
{
    const QString spaced = QStringLiteral("My Big Mod.zip");
#ifdef Q_OS_WIN
    const QString quoted = QStringLiteral("say 'hi' %x%.zip"); // no double quote on Windows
#else
    const QString quoted = QStringLiteral("say \"hi\".zip");
#endif
    StartedTool tool({spaced, quoted});
    tool.tick(tool.form().listMP, spaced);
    tool.tick(tool.form().listMP, quoted);
    QCOMPARE(tool.commandLine(),
             QStringLiteral("%BinaryPath% --mod_mp=My Big Mod.zip --mod_mp=") + quoted + ' ');
    QCOMPARE(tool.selectedMods(), QStringLiteral("My Big Mod.zip\n") + quoted + '\n');
}

void ModSelectionTest::partialOrNoCheckStateCountsAsUnticked()
{
    StartedTool tool({a});
    QTreeWidgetItem *item = tool.item(tool.form().listMP, a);
    item->setCheckState(0, Qt::Checked);
    item->setCheckState(0, Qt::PartiallyChecked);
    QVERIFY(!appState().modsMP.at(0).ticked);
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% "));

    item->setCheckState(0, Qt::Checked);
    item->setData(0, Qt::CheckStateRole, QVariant());
    QVERIFY(!appState().modsMP.at(0).ticked);
    QCOMPARE(tool.selectedMods(), QString());
}

void ModSelectionTest::itemWithoutEntryChangesNoFlag()
{
    StartedTool tool({a, b});
    tool.tick(tool.form().listMP, a);
    QTreeWidgetItem *item = tool.item(tool.form().listMP, b);
    // Renamed to a name no entry carries: the lookup finds nothing, so no flag moves.
    item->setText(0, QStringLiteral("renamed.zip"));
    item->setCheckState(0, Qt::Checked);
    QVERIFY(appState().modsMP.at(0).ticked);
    QVERIFY(!appState().modsMP.at(1).ticked);
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\n"));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=a.zip "));
}

void ModSelectionTest::keystrokesRenderOnlyTheCommandLine()
{
    StartedTool tool({a});
    tool.window->show();
    tool.tick(tool.form().listMP, a);
    QSignalSpy selectedModsChanges(tool.form().SelectedMods, &QPlainTextEdit::textChanged);
    QSignalSpy commandLineChanges(tool.form().CurrentCommandLine, &QLineEdit::textChanged);

    tool.form().inputOtherCommands->setFocus();
    QTest::keyClick(tool.form().inputOtherCommands, Qt::Key_Minus);
    QCOMPARE(appState().otherCommands, QStringLiteral("-"));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=a.zip -"));
    QTest::keyClicks(tool.form().inputOtherCommands, QStringLiteral("w \"x y\""));
    QCOMPARE(appState().otherCommands, QStringLiteral("-w \"x y\""));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=a.zip -w \"x y\""));
    QTest::keyClick(tool.form().inputOtherCommands, Qt::Key_Backspace);
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=a.zip -w \"x y"));

    QCOMPARE(commandLineChanges.size(), 9);
    QCOMPARE(selectedModsChanges.size(), 0);
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\n"));
}

void ModSelectionTest::placeholderInOtherOptionsIsShownUnchanged()
{
    StartedTool tool({a});
    tool.form().inputOtherCommands->setText(QStringLiteral("--log=%BinaryPath%.log"));
    QCOMPARE(appState().otherCommands, QStringLiteral("--log=%BinaryPath%.log"));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --log=%BinaryPath%.log"));
}

void ModSelectionTest::tickLeavesSelectedModsAtItsStartLikeAFullRendering()
{
    const QStringList names = numberedNames(QStringLiteral("mod"), 200);
    StartedTool tool(names);
    tool.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool.window.get()));
    for (int i = 0; i < 150; ++i)
        tool.tick(tool.form().listMP, names.at(i));
    QPlainTextEdit *view = tool.form().SelectedMods;
    QCoreApplication::processEvents();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QTextCursor selection = view->textCursor();
    selection.setPosition(30);
    selection.setPosition(60, QTextCursor::KeepAnchor);
    view->setTextCursor(selection);
    QVERIFY(view->verticalScrollBar()->value() > 0);

    tool.tick(tool.form().listMP, names.at(170));
    QCoreApplication::processEvents();
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QCOMPARE(view->textCursor().position(), 0);
    QVERIFY(!view->textCursor().hasSelection());
    QCOMPARE(tool.selectedMods(), directReading(tool.form()).selectedMods);
}

void ModSelectionTest::batchRendersOnceAtTheOutermostEnd()
{
    StartedTool tool({a, b}, {c}, {g});
    tool.tick(tool.form().listSP, c);
    QSignalSpy selectedModsChanges(tool.form().SelectedMods, &QPlainTextEdit::textChanged);
    QSignalSpy commandLineChanges(tool.form().CurrentCommandLine, &QLineEdit::textChanged);
    {
        ModViewBatch outer(tool.form());
        tool.form().inputOtherCommands->setText(QStringLiteral("-x"));
        {
            ModViewBatch inner(tool.form());
            tool.tick(tool.form().listMP, b);
            tool.tick(tool.form().listGlobal, g);
        }
        tool.tick(tool.form().listSP, c, false);
        tool.tick(tool.form().listMP, a);
        // The tables follow at once; the views wait.
        QVERIFY(appState().modsMP.at(0).ticked);
        QVERIFY(!appState().modsSP.at(0).ticked);
        QCOMPARE(appState().otherCommands, QStringLiteral("-x"));
        QCOMPARE(tool.selectedMods(), QStringLiteral("c.zip\n"));
        QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_ca=c.zip "));
    }
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\nb.zip\ng.zip\n"));
    QCOMPARE(tool.commandLine(),
             QStringLiteral("%BinaryPath% --mod_mp=a.zip --mod_mp=b.zip --mod=g.zip -x"));
    QCOMPARE(selectedModsChanges.size(), 1);
    QCOMPARE(commandLineChanges.size(), 1);

    // Single ticks after a batch are patched onto what the batch rendered.
    tool.tick(tool.form().listMP, b, false);
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\ng.zip\n"));
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% --mod_mp=a.zip --mod=g.zip -x"));
}

void ModSelectionTest::batchWithoutChangesLeavesTheViewsAlone()
{
    StartedTool tool({a});
    tool.form().SelectedMods->setPlainText(QStringLiteral("sentinel"));
    {
        ModViewBatch batch(tool.form());
    }
    QCOMPARE(tool.selectedMods(), QStringLiteral("sentinel"));
    {
        ModViewBatch batch(tool.form());
        tool.form().inputOtherCommands->setText(QStringLiteral("-y"));
    }
    QCOMPARE(tool.selectedMods(), QString());
    QCOMPARE(tool.commandLine(), QStringLiteral("%BinaryPath% -y"));
}

void ModSelectionTest::changesBehindTheHandlersAreRenderedInFull()
{
    StartedTool tool({a, b, c});
    tool.tick(tool.form().listMP, a);
    // A flag set straight in the table, and a view overwritten by someone else: the next
    // change must still leave the views as a full rendering would.
    appState().modsMP.setTicked(2, true);
    tool.tick(tool.form().listMP, b);
    QCOMPARE(tool.selectedMods(), QStringLiteral("a.zip\nb.zip\nc.zip\n"));
    QCOMPARE(tool.commandLine(),
             QStringLiteral("%BinaryPath% --mod_mp=a.zip --mod_mp=b.zip --mod_mp=c.zip "));

    tool.form().SelectedMods->setPlainText(QStringLiteral("overwritten\n"));
    tool.tick(tool.form().listMP, a, false);
    QCOMPARE(tool.selectedMods(), QStringLiteral("b.zip\nc.zip\n"));
}

void ModSelectionTest::namesTheDocumentSplitsAreRenderedAsAFullRenderingWould()
{
    // A text document breaks a paragraph at U+2029 and at its frame marks and shows U+2028
    // and the no-break space in its own way; patching must end where a full rendering ends.
    const QStringList names{QStringLiteral("para\u2029graph.zip"),
                            QStringLiteral("line\u2028sep.zip"),
                            QStringLiteral("frame\uFDD0mark\uFDD1.zip"),
                            QStringLiteral("no\u00A0break.zip"),
                            QStringLiteral("\U0001F600.zip"),
                            QStringLiteral("plain.zip")};
    StartedTool tool;
    for (const QString &name : names)
        appState().modsMP.append(name);
    populateModLists(tool.form());
    QPlainTextEdit fullRendering;
    const int order[] = {3, 0, 5, 2, 1, 4, 0, 3, 2, 5};
    for (const int index : order) {
        QTreeWidgetItem *item = tool.form().listMP->topLevelItem(index);
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        fullRendering.setPlainText(directReading(tool.form()).selectedMods);
        QCOMPARE(tool.form().SelectedMods->document()->blockCount(),
                 fullRendering.document()->blockCount());
        QCOMPARE(tool.selectedMods(), fullRendering.toPlainText());
        QCOMPARE(tool.commandLine(), directReading(tool.form()).commandLine);
    }
}

void ModSelectionTest::thousandsOfModsMatchTheDirectReading()
{
    // Thousands of files would cost more time than the test itself, so the tables are filled
    // directly and given their items by the same step start-up uses.
    const int perList = 2000;
    StartedTool tool;
    const QStringList stems{QStringLiteral("mp"), QStringLiteral("Camp"), QStringLiteral("gl")};
    ModTable *tables[] = {&appState().modsMP, &appState().modsSP, &appState().modsGlobal};
    for (int list = 0; list < 3; ++list) {
        for (const QString &name : numberedNames(stems.at(list), perList))
            tables[list]->append(name);
    }
    MainWindowForm &form = tool.form();
    populateModLists(form);
    QTreeWidget *const lists[] = {form.listMP, form.listSP, form.listGlobal};
    QCOMPARE(form.listMP->topLevelItemCount(), perList);
    QCOMPARE(tool.commandLine(), directReading(form).commandLine);

    QRandomGenerator random(5);
    auto randomItem = [&] {
        QTreeWidget *list = lists[random.bounded(3)];
        return list->topLevelItem(random.bounded(list->topLevelItemCount()));
    };
    auto checkViews = [&] {
        const DirectReading expected = directReading(form);
        QCOMPARE(tool.selectedMods(), expected.selectedMods);
        QCOMPARE(tool.commandLine(), expected.commandLine);
        QVERIFY(tablesMirrorTheLists(form));
    };

    // Single ticks and unticks, one by one as a user makes them.
    for (int step = 0; step < 300; ++step) {
        QTreeWidgetItem *item = randomItem();
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        checkViews();
        if (QTest::currentTestFailed())
            return;
    }
    // A load-like batch over thousands of items, then single steps on top of it.
    {
        ModViewBatch batch(form);
        form.inputOtherCommands->setText(QStringLiteral("-w \"a b\""));
        for (QTreeWidget *list : lists) {
            for (int row = 0; row < list->topLevelItemCount(); row += 2)
                list->topLevelItem(row)->setCheckState(0, Qt::Checked);
        }
    }
    checkViews();
    if (QTest::currentTestFailed())
        return;
    for (int step = 0; step < 100; ++step) {
        QTreeWidgetItem *item = randomItem();
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        if (step % 10 == 0)
            QTest::keyClick(form.inputOtherCommands, Qt::Key_Z);
        checkViews();
        if (QTest::currentTestFailed())
            return;
    }
    // Untick everything.
    {
        ModViewBatch batch(form);
        for (QTreeWidget *list : lists) {
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                list->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
        }
    }
    checkViews();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(tool.selectedMods(), QString());
}

QTEST_MAIN(ModSelectionTest)
#include "tst_modselection.moc"
