#include "platform/ListContextMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {
// What a menu that opened showed, and where; the menu is closed at once.
struct OpenedMenu {
    QStringList texts;
    QPoint topLeft;
    bool opened = false;
};

void openMenu(const std::function<void()> &gesture, OpenedMenu &seen)
{
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || seen.opened)
            return;
        seen.opened = true;
        seen.topLeft = menu->pos();
        for (const QAction *action : menu->actions())
            seen.texts.append(action->text());
        menu->close();
    });
    watch.start(10);
    gesture();
    QTRY_VERIFY_WITH_TIMEOUT(seen.opened, 2000);
}
} // namespace

class ListContextMenuTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheActionsAddedToTheList_data();
    void opensWithTheActionsAddedToTheList();
};

void ListContextMenuTest::opensWithTheActionsAddedToTheList_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("right mouse button") << false;
    QTest::newRow("Shift+F10") << true;
}

void ListContextMenuTest::opensWithTheActionsAddedToTheList()
{
    QFETCH(bool, byKey);
    QTreeWidget list;
    list.setHeaderHidden(true);
    list.resize(200, 300);
    for (int row = 0; row < 20; ++row)
        list.addTopLevelItem(new QTreeWidgetItem(QStringList{QString::number(row)}));
    QAction first(QStringLiteral("First"));
    QAction second(QStringLiteral("Second"));
    addContextMenuAction(&list, &first);
    addContextMenuAction(&list, &second);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setFocus();
    list.setCurrentItem(list.topLevelItem(5));

    const QRect current = list.visualItemRect(list.topLevelItem(5));
    OpenedMenu menu;
    openMenu(
        [&] {
            if (byKey) {
                QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
            } else {
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                        list.viewport()->mapToGlobal(QPoint(3, 3)));
                QApplication::sendEvent(list.viewport(), &click);
            }
        },
        menu);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(menu.texts, QStringList({QStringLiteral("First"), QStringLiteral("Second")}));
    if (byKey)
        QCOMPARE(menu.topLeft, list.viewport()->mapToGlobal(current.center()));
}

QTEST_MAIN(ListContextMenuTest)
#include "tst_listcontextmenu.moc"
