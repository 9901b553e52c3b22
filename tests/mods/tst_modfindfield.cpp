#include "ModFindDriver.h"
#include "Relistings.h"
#include "StartedTool.h"
#include "TreeItems.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QToolBox>
#include <QtTest>

namespace {
QStringList shownTexts(QTreeWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (!list->topLevelItem(row)->isHidden())
            texts << list->topLevelItem(row)->text(0);
    }
    return texts;
}

QStringList numbered(const QString &stem, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1 %2.zip").arg(stem).arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

// Where the row of the item lies, in the coordinates of the field's parent.
QRect rowInPage(QTreeWidget *list, QTreeWidgetItem *item)
{
    const QRect row = list->visualItemRect(item);
    return QRect(list->viewport()->mapTo(list->parentWidget(), row.topLeft()), row.size());
}

bool rowInView(QTreeWidget *list, QTreeWidgetItem *item)
{
    return list->viewport()->rect().contains(list->visualItemRect(item));
}

// How a widget stands: where, whether hidden or disabled, and in which parent.
struct Standing {
    QWidget *parent;
    QRect geometry;
    bool hidden;
    bool enabled;
    bool operator==(const Standing &other) const // NOLINT: all four count
    {
        return parent == other.parent && geometry == other.geometry && hidden == other.hidden &&
               enabled == other.enabled;
    }
};

// The widgets of the form, by their names; the toolkit's own parts of them (scroll bars, the
// tool box's page titles) come and go with what they show.
QHash<QWidget *, Standing> standings(const QList<QWidget *> &widgets)
{
    QHash<QWidget *, Standing> result;
    for (QWidget *widget : widgets)
        if (!widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QLatin1String("qt_")))
            result.insert(widget, {widget->parentWidget(), widget->geometry(), widget->isHidden(),
                                   widget->isEnabled()});
    return result;
}

} // namespace

class ModFindFieldTest : public QObject {
    Q_OBJECT

private slots:
    void findMakesTheFieldOnlyOnAPageOfMods_data();
    void findMakesTheFieldOnlyOnAPageOfMods();
    void noWidgetOfTheFormEverMoves();
    void typingShowsTheModsWhoseNamesHoldTheText_data();
    void typingShowsTheModsWhoseNamesHoldTheText();
    void theCountIsHeardWhenItChanges();
    void everyModReturnsWithTheCurrentInView_data();
    void everyModReturnsWithTheCurrentInView();
    void keysTickOnlyShownMods();
    void currentModStaysClearOfTheField();
    void anotherPageOfModsTakesTheFilterAlong();
    void modsJoiningAFilteredListAreFiltered();
};

void ModFindFieldTest::findMakesTheFieldOnlyOnAPageOfMods_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::newRow("multiplayer") << 0 << QStringLiteral("listMP");
    QTest::newRow("campaign") << 1 << QStringLiteral("listSP");
    QTest::newRow("global") << 2 << QStringLiteral("listGlobal");
    QTest::newRow("set files") << 3 << QString();
    QTest::newRow("config file") << 4 << QString();
    QTest::newRow("other settings") << 5 << QString();
}

void ModFindFieldTest::findMakesTheFieldOnlyOnAPageOfMods()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    StartedTool tool({QStringLiteral("a.zip")}, {QStringLiteral("b.zip")},
                     {QStringLiteral("c.zip")});
    QVERIFY(modfind::showActive(*tool.window));
    tool.form().toolBox->setCurrentIndex(page);
    const QList<QWidget *> formTree = tool.window->findChildren<QWidget *>();
    QVERIFY(!modfind::field(*tool.window));
    QWidget *focusBefore = QApplication::focusWidget();

    QLineEdit *field = modfind::pressFind(*tool.window);
    const QList<QWidget *> after = tool.window->findChildren<QWidget *>();
    if (list.isEmpty()) {
        QVERIFY(!field);
        QCOMPARE(after, formTree);
        QCOMPARE(QApplication::focusWidget(), focusBefore);
        return;
    }
    QVERIFY(field);
    QCOMPARE(field->accessibleName(), QStringLiteral("Find Mods"));
    for (QWidget *widget : after)
        QVERIFY(formTree.contains(widget) || widget == field || field->isAncestorOf(widget));
    // Over the bottom edge of the list, as wide as it, lower than its top.
    auto *modList = tool.window->findChild<QTreeWidget *>(list);
    QCOMPARE(field->parentWidget(), modList->parentWidget());
    QCOMPARE(field->geometry().bottom(), modList->geometry().bottom());
    QCOMPARE(field->geometry().left(), modList->geometry().left());
    QCOMPARE(field->geometry().width(), modList->geometry().width());
    QVERIFY(field->geometry().top() > modList->geometry().top() + modList->height() / 2);
    QVERIFY(field->isVisible());
}

void ModFindFieldTest::noWidgetOfTheFormEverMoves()
{
    StartedTool tool({QStringLiteral("alpha.zip"), QStringLiteral("bravo.zip")},
                     {QStringLiteral("calpa.zip")});
    QVERIFY(modfind::showActive(*tool.window));
    const QList<QWidget *> formTree = tool.window->findChildren<QWidget *>();
    // The tool box itself shows and hides the parts of its pages, and sizes each page when it
    // is first shown; so each page is compared with how it stood, once shown, before the
    // field was ever made.
    QList<QHash<QWidget *, Standing>> before;
    for (int page = 0; page < 12; ++page) {
        tool.form().toolBox->setCurrentIndex(page % 6);
        if (page >= 6)
            before.append(standings(formTree));
    }
    // The names of the widgets that stand otherwise than before.
    const auto changed = [&] {
        const QHash<QWidget *, Standing> now = standings(formTree);
        const QHash<QWidget *, Standing> &then = before.at(tool.form().toolBox->currentIndex());
        QStringList names;
        for (auto it = then.cbegin(); it != then.cend(); ++it) {
            if (!(now.value(it.key()) == it.value()))
                names << it.key()->objectName();
        }
        return names;
    };
    tool.form().toolBox->setCurrentIndex(0);

    QVERIFY(modfind::find(*tool.window, QStringLiteral("al")));
    QCOMPARE(changed(), QStringList());
    tool.form().toolBox->setCurrentIndex(1);
    QCOMPARE(changed(), QStringList());
    tool.form().toolBox->setCurrentIndex(4);
    QCOMPARE(changed(), QStringList());
    tool.form().toolBox->setCurrentIndex(0);
    QVERIFY(modfind::find(*tool.window, QStringLiteral("x")));
    QTest::keyClick(modfind::field(*tool.window), Qt::Key_Escape);
    QCOMPARE(changed(), QStringList());
}

void ModFindFieldTest::typingShowsTheModsWhoseNamesHoldTheText_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("heard");
    QTest::newRow("capitals find small letters")
        << QStringList{"alpine.pak", "Alps.zip", "bravo.zip", "cALm.7z"} << "AL"
        << QStringList{"alpine.pak", "Alps.zip", "cALm.7z"} << "3 mods match";
    QTest::newRow("accented capitals")
        << QStringList{"elan.zip", "Élan.zip", "ÉLANCE.pak"} << QStringLiteral("élan")
        << QStringList{"Élan.zip", "ÉLANCE.pak"} << "2 mods match";
    // Lower-casing leaves a final sigma as it is; case folding makes it a sigma.
    QTest::newRow("final sigma") << QStringList{"odos.zip", QStringLiteral("οδος.zip"),
                                                QStringLiteral("ΟΔΟΣ-2.zip")}
                                 << QStringLiteral("ΟΔΟΣ")
                                 << QStringList{QStringLiteral("οδος.zip"),
                                                QStringLiteral("ΟΔΟΣ-2.zip")}
                                 << "2 mods match";
    QTest::newRow("pattern characters are plain")
        << QStringList{"a+.zip", "ab.zip", "[1].pak", "1.pak"} << "+." << QStringList{"a+.zip"}
        << "1 mod matches";
    QTest::newRow("brackets are plain") << QStringList{"a+.zip", "ab.zip", "[1].pak", "1.pak"}
                                        << "[1]" << QStringList{"[1].pak"} << "1 mod matches";
    QTest::newRow("nothing") << QStringList{"a.zip", "b.zip"} << "zip2" << QStringList()
                             << "No mod matches";
}

void ModFindFieldTest::typingShowsTheModsWhoseNamesHoldTheText()
{
    QFETCH(QStringList, names);
    QFETCH(QString, text);
    QFETCH(QStringList, shown);
    QFETCH(QString, heard);
    StartedTool tool(names, names);
    QVERIFY(modfind::showActive(*tool.window));
    QLineEdit *field = modfind::pressFind(*tool.window);
    QVERIFY(field);
    modfind::type(field, text);
    QCOMPARE(shownTexts(tool.form().listMP), shown);
    QCOMPARE(shownTexts(tool.form().listSP), itemTexts(tool.form().listSP)); // only the open page's
    QCOMPARE(field->accessibleDescription(), heard);
}

void ModFindFieldTest::theCountIsHeardWhenItChanges()
{
    StartedTool tool(
        {QStringLiteral("alpha.zip"), QStringLiteral("alpine.zip"), QStringLiteral("bravo.zip")});
    QVERIFY(modfind::showActive(*tool.window));
    QLineEdit *field = modfind::pressFind(*tool.window);
    QVERIFY(field);
    // A screen reader keeps what it read of an object, so a new count comes as a new one.
    struct Step {
        QString key;
        QString seen;
        QString heard;
        bool anew;
    };
    const Step steps[] = {{"a", "3 of 3", "3 mods match", false},
                          {"l", "2 of 3", "2 mods match", true},
                          {"p", "2 of 3", "2 mods match", false},
                          {"h", "1 of 3", "1 mod matches", true},
                          {"x", "0 of 3", "No mod matches", true}};
    for (const Step &step : steps) {
        const QPointer<QLabel> before = field->findChild<QLabel *>(QStringLiteral("findModsCount"));
        modfind::type(field, step.key);
        const QList<QLabel *> counts =
            field->findChildren<QLabel *>(QStringLiteral("findModsCount"));
        QCOMPARE(counts.size(), 1);
        QLabel *count = counts.first();
        QCOMPARE(count != before, step.anew);
        QCOMPARE(count->text(), step.seen);
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(count);
        QCOMPARE(spoken->role(), QAccessible::Notification);
        QCOMPARE(spoken->text(QAccessible::Name), step.heard);
        QCOMPARE(field->accessibleDescription(), step.heard);
        QVERIFY(count->isVisible());
        // The text stops short of the count.
        QVERIFY(field->width() - field->textMargins().right() <= count->geometry().left());
    }
}

void ModFindFieldTest::everyModReturnsWithTheCurrentInView_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Escape in the field") << "field Escape";
    QTest::newRow("Escape in the list") << "list Escape";
    QTest::newRow("emptying the field") << "empty";
}

void ModFindFieldTest::everyModReturnsWithTheCurrentInView()
{
    QFETCH(QString, how);
    const QStringList names = numbered(QStringLiteral("mod"), 300);
    StartedTool tool(names);
    QVERIFY(modfind::showActive(*tool.window));
    QTreeWidget *list = tool.form().listMP;
    QLineEdit *field = modfind::find(*tool.window, QStringLiteral("mod 250"));
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(list->hasFocus());
    QTreeWidgetItem *found = list->currentItem();
    QVERIFY(found);
    QCOMPARE(found->text(0), QStringLiteral("mod 250.zip"));

    if (how == QLatin1String("field Escape")) {
        QTest::keyClick(field, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_Escape);
    } else if (how == QLatin1String("list Escape")) {
        QTest::keyClick(list, Qt::Key_Escape);
    } else {
        QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace); // the text is selected: all of it goes
        QCOMPARE(field->text(), QString());
    }
    QCOMPARE(shownTexts(list), names);
    QCOMPARE(list->currentItem(), found);
    QVERIFY(rowInView(list, found));
    QVERIFY(!field->isVisible());
    QVERIFY(list->hasFocus());
    QCOMPARE(tool.selectedMods(), QString());
}

void ModFindFieldTest::keysTickOnlyShownMods()
{
    const QStringList names{"alpha.zip",   "bravo.zip",  "alder.zip",
                            "charlie.zip", "walnut.zip", "zulu.zip"};
    StartedTool tool(names);
    QVERIFY(modfind::showActive(*tool.window));
    QTreeWidget *list = tool.form().listMP;
    list->setFocus();
    list->setCurrentItem(itemNamed(list, QStringLiteral("bravo.zip")));

    // Moving the current mod while the player types would tell a screen reader that the
    // list has the keyboard.
    QSignalSpy currentChanges(list, &QTreeWidget::currentItemChanged);
    QLineEdit *field = modfind::find(*tool.window, QStringLiteral("al"));
    QVERIFY(field);
    QCOMPARE(shownTexts(list), QStringList({"alder.zip", "alpha.zip", "walnut.zip"}));
    QCOMPARE(currentChanges.size(), 0);
    // The current mod is hidden now; once the list has the keyboard the first match takes
    // its place, so that Space never ticks a mod the player cannot see.
    QTest::keyClick(field, Qt::Key_Down);
    QVERIFY(list->hasFocus());
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("alder.zip"));
    QTest::keyClick(list, Qt::Key_Space); // alder
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("alpha.zip"));
    QTest::keyClick(list, Qt::Key_Down); // past bravo and charlie
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("walnut.zip"));
    QTest::keyClick(list, Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_Down); // nothing below the last match
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("walnut.zip"));
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("alder.zip"));
    QTest::keyClick(list, Qt::Key_Space); // alder again
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Space); // alpha
    // Typing into the list looks among the shown mods only.
    QTest::keyClick(list, Qt::Key_Z);
    QVERIFY(!list->currentItem()->isHidden());
    QCOMPARE(checkedItems(list), QStringList({"alpha.zip", "walnut.zip"}));
    QCOMPARE(tool.selectedMods(), QStringLiteral("alpha.zip\nwalnut.zip\n"));
    // Tab goes from the list to the field and on to the other options.
    QTest::keyClick(list, Qt::Key_Tab);
    QVERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(tool.form().inputOtherCommands->hasFocus());
    QTest::keyClick(tool.form().inputOtherCommands, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(list->hasFocus());

    // Reaching the list by Shift+Tab does the same.
    list->setCurrentItem(itemNamed(list, QStringLiteral("bravo.zip")), 0,
                         QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(list->hasFocus());
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("alder.zip"));

    // With nothing shown there is no current mod for Space to tick.
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    modfind::type(field, QStringLiteral("nothing like it"));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(checkedItems(list), QStringList({"alpha.zip", "walnut.zip"}));
}

void ModFindFieldTest::currentModStaysClearOfTheField()
{
    const QStringList names = numbered(QStringLiteral("mod"), 120);
    StartedTool tool(names);
    QVERIFY(modfind::showActive(*tool.window));
    QTreeWidget *list = tool.form().listMP;
    QLineEdit *field = modfind::find(*tool.window, QStringLiteral("1"));
    QVERIFY(field);
    const int shown = int(shownTexts(list).size());
    QTest::keyClick(field, Qt::Key_Down);
    // While the list can still scroll, the current mod never sits under the field.
    const int rowsInView =
        list->viewport()->height() / list->visualItemRect(list->currentItem()).height();
    for (int step = 1; step < shown - rowsInView; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY2(!rowInPage(list, list->currentItem()).intersects(field->geometry()),
                 qPrintable(list->currentItem()->text(0)));
        QVERIFY(rowInView(list, list->currentItem()));
    }
}

void ModFindFieldTest::anotherPageOfModsTakesTheFilterAlong()
{
    StartedTool tool({QStringLiteral("alpha.zip"), QStringLiteral("bravo.zip")},
                     {QStringLiteral("calpa.zip"), QStringLiteral("delta.zip")},
                     {QStringLiteral("echo.zip")});
    QVERIFY(modfind::showActive(*tool.window));
    MainWindowForm &form = tool.form();
    QLineEdit *field = modfind::find(*tool.window, QStringLiteral("alp"));
    QVERIFY(field);
    QCOMPARE(shownTexts(form.listMP), QStringList{QStringLiteral("alpha.zip")});

    form.toolBox->setCurrentIndex(1);
    QCOMPARE(shownTexts(form.listMP), itemTexts(form.listMP));
    QCOMPARE(shownTexts(form.listSP), QStringList{QStringLiteral("calpa.zip")});
    QCOMPARE(field->parentWidget(), form.pageSP);
    QVERIFY(field->isVisible());
    QVERIFY(field->hasFocus()); // the player goes on typing
    QCOMPARE(field->text(), QStringLiteral("alp"));
    QCOMPARE(field->accessibleDescription(), QStringLiteral("1 mod matches"));

    form.toolBox->setCurrentIndex(2);
    QCOMPARE(shownTexts(form.listSP), itemTexts(form.listSP));
    QCOMPARE(shownTexts(form.listGlobal), QStringList());

    // A page without mods closes the field, and Ctrl+F does nothing there.
    form.toolBox->setCurrentIndex(3);
    QVERIFY(field->isHidden());
    QCOMPARE(shownTexts(form.listGlobal), itemTexts(form.listGlobal));
    form.listChooseSetting->setFocus();
    QVERIFY(!modfind::pressFind(*tool.window));
    QVERIFY(form.listChooseSetting->hasFocus());
    form.toolBox->setCurrentIndex(0);
    QVERIFY(field->isHidden());
    QCOMPARE(shownTexts(form.listMP), itemTexts(form.listMP));

    // Reopened, the field starts empty.
    QCOMPARE(modfind::pressFind(*tool.window), field);
    QCOMPARE(field->text(), QString());
    QCOMPARE(field->accessibleDescription(), QStringLiteral("2 mods match"));
}

// Mods that come and go on disk while the field is open are filtered as they are listed.
void ModFindFieldTest::modsJoiningAFilteredListAreFiltered()
{
    StartedTool tool({QStringLiteral("alpha.zip"), QStringLiteral("salt.zip")},
                     {QStringLiteral("bravo.zip")});
    QVERIFY(modfind::showActive(*tool.window));
    QLineEdit *field = modfind::find(*tool.window, QStringLiteral("al"));
    QVERIFY(field);
    Relistings relistings(tool.window.get());
    const QString multiplay = tool.folder.modFolder() + QStringLiteral("/multiplay");
    const QString campaign = tool.folder.modFolder() + QStringLiteral("/campaign");
    for (const QString &folder : {multiplay, campaign}) {
        TestAppFolder::writeFile(folder + QStringLiteral("/zeta.zip"), "new");
        TestAppFolder::writeFile(folder + QStringLiteral("/palm.zip"), "new");
    }
    QVERIFY(QFile::remove(multiplay + QStringLiteral("/salt.zip")));
    QVERIFY(relistings.waitFor(multiplay));
    QVERIFY(relistings.waitFor(campaign));

    QCOMPARE(shownTexts(tool.form().listMP), QStringList({"alpha.zip", "palm.zip"}));
    QCOMPARE(field->accessibleDescription(), QStringLiteral("2 mods match"));
    QCOMPARE(shownTexts(tool.form().listSP), QStringList({"bravo.zip", "palm.zip", "zeta.zip"}));
}

QTEST_MAIN(ModFindFieldTest)
#include "tst_modfindfield.moc"
