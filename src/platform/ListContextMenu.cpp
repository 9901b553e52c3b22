#include "platform/ListContextMenu.h"

#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QShortcut>

namespace {
// Where a menu opened by a key appears: at the current item when it is in view, otherwise at
// the top left of the list.
QPoint keyboardMenuPosition(const QAbstractItemView *list)
{
    const QRect item = list->visualRect(list->currentIndex());
    const QRect viewport = list->viewport()->rect();
    const QPoint inViewport = viewport.intersects(item) ? item.center() : viewport.topLeft();
    return list->viewport()->mapTo(list, inViewport);
}

// The platform opens the menu for the Menu key itself; Shift+F10 is its twin on the desktops.
void openMenuWithShiftF10(QAbstractItemView *list)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), list);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, list, [list] {
        const QPoint position = keyboardMenuPosition(list);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, position, list->mapToGlobal(position));
        QCoreApplication::sendEvent(list, &event);
    });
}
} // namespace

void addContextMenuAction(QAbstractItemView *list, QAction *action)
{
    if (list->contextMenuPolicy() != Qt::ActionsContextMenu) {
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        openMenuWithShiftF10(list);
    }
    list->addAction(action);
}
