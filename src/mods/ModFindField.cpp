#include "mods/ModFindField.h"

#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/ModGroup.h"
#include "mods/ModListFilter.h"
#include "mods/ModLists.h"
#include "mods/ModMatchCount.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBox>
#include <QTreeWidget>

namespace {
// Keys in the field that mean "go to the matches": the arrows that walk a list and Return.
bool leadsIntoList(const QKeyEvent *key)
{
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// Moves the current item without touching the highlight, which is the player's own.
void makeCurrent(QTreeWidget *list, QTreeWidgetItem *item)
{
    if (item)
        list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    else
        list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QTreeWidgetItem *firstShownItem(const QTreeWidget *list)
{
    const int count = list->topLevelItemCount();
    for (int row = 0; row < count; ++row) {
        if (!list->topLevelItem(row)->isHidden())
            return list->topLevelItem(row);
    }
    return nullptr;
}
} // namespace

ModFindField::ModFindField(MainWindowForm &form, QMainWindow *window)
    : QObject(window)
    , form(form)
{
    auto *find = new QAction(messageText("Find Mods"), window);
    find->setObjectName(QStringLiteral("actionFindMods"));
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    window->addAction(find);
    connect(find, &QAction::triggered, this, &ModFindField::open);
    connect(form.toolBox, &QToolBox::currentChanged, this, &ModFindField::followPage);
    for (const ModGroupFacts &group : modGroups) {
        QTreeWidget *list = modList(form, group);
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this, list] {
            if (filtered == list)
                applyFilter();
        });
    }
}

QTreeWidget *ModFindField::listOfOpenPage() const
{
    const QWidget *page = form.toolBox->currentWidget();
    for (const ModGroupFacts &group : modGroups) {
        if (page && page->objectName() == QLatin1String(group.pageName))
            return modList(form, group);
    }
    return nullptr;
}

void ModFindField::open()
{
    QTreeWidget *list = listOfOpenPage();
    if (!list)
        return;
    if (!edit)
        makeField();
    if (filtered != list) {
        placeOver(list);
        edit->show();
        filtered = list;
        enableEscapeIn(list);
        applyFilter();
    }
    edit->setFocus(Qt::ShortcutFocusReason);
    edit->selectAll();
}

void ModFindField::close()
{
    if (!isOpen())
        return;
    QTreeWidget *list = filtered;
    const bool hadFocus = edit->hasFocus();
    filtered = nullptr;
    enableEscapeIn(nullptr);
    edit->hide();
    {
        const QSignalBlocker quiet(edit);
        edit->clear();
    }
    showEveryMod(list);
    if (hadFocus)
        list->setFocus(Qt::OtherFocusReason);
}

void ModFindField::makeField()
{
    edit = new QLineEdit();
    edit->setObjectName(QStringLiteral("findMods"));
    edit->setAccessibleName(messageText("Find Mods"));
    edit->setPlaceholderText(messageText("Find Mods"));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &ModFindField::applyFilter);
    // Only the player emptying the field closes it; the field cleared by a close does not.
    connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.isEmpty())
            close();
    });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), edit);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, &ModFindField::close);
    for (const ModGroupFacts &group : modGroups) {
        QTreeWidget *list = modList(form, group);
        auto *inList = new QShortcut(QKeySequence(Qt::Key_Escape), list);
        inList->setContext(Qt::WidgetShortcut);
        inList->setEnabled(false);
        connect(inList, &QShortcut::activated, this, &ModFindField::close);
        list->installEventFilter(this);
        connect(list, &QTreeWidget::currentItemChanged, this, [this, list] {
            if (filtered == list)
                keepCurrentClearOfField();
        });
        escapeInLists.append(inList);
    }
}

// Over the bottom edge of the list; Tab goes from the list to the field.
void ModFindField::placeOver(QTreeWidget *list)
{
    const bool hadFocus = edit->hasFocus();
    if (edit->parentWidget() != list->parentWidget())
        edit->setParent(list->parentWidget());
    const int height = edit->sizeHint().height();
    const QRect area = list->geometry();
    edit->setGeometry(area.x(), area.y() + area.height() - height, area.width(), height);
    edit->raise();
    QWidget::setTabOrder(list, edit);
    if (hadFocus)
        edit->setFocus(Qt::OtherFocusReason);
}

void ModFindField::enableEscapeIn(QTreeWidget *list)
{
    for (QShortcut *shortcut : std::as_const(escapeInLists))
        shortcut->setEnabled(shortcut->parent() == list);
}

// Another page of mods takes the filter along; a page without mods closes the field.
void ModFindField::followPage()
{
    if (!isOpen())
        return;
    QTreeWidget *next = listOfOpenPage();
    if (next == filtered)
        return;
    if (!next) {
        close();
        return;
    }
    // Hiding the old page sent the keyboard on; a player typing into the field goes on typing.
    const bool typing = edit->hasFocus() || focusLeftWithPage;
    focusLeftWithPage = false;
    QTreeWidget *previous = filtered;
    filtered = next;
    enableEscapeIn(next);
    showEveryMod(previous);
    placeOver(next);
    edit->show();
    applyFilter();
    if (typing)
        edit->setFocus(Qt::OtherFocusReason);
}

void ModFindField::applyFilter()
{
    if (!isOpen())
        return;
    const int shown = filterModList(filtered, edit->text());
    // Moving the current mod while the player types would tell a screen reader that the list
    // has the keyboard.
    QTreeWidgetItem *current = filtered->currentItem();
    if (current && !current->isHidden()) {
        filtered->scrollToItem(current);
        keepCurrentClearOfField();
    }
    describeMatches(shown);
}

void ModFindField::showEveryMod(QTreeWidget *list)
{
    filterModList(list, QString());
    if (QTreeWidgetItem *current = list->currentItem())
        list->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

// The field covers the last rows of the list: scroll the current item out from under it.
void ModFindField::keepCurrentClearOfField()
{
    QTreeWidgetItem *current = filtered->currentItem();
    if (!current || edit->isHidden())
        return;
    const QRect row = filtered->visualItemRect(current);
    const int rowBottom = filtered->viewport()->mapTo(edit->parentWidget(), row.bottomLeft()).y();
    const int overlap = rowBottom - edit->geometry().top() + 1;
    if (overlap <= 0 || row.height() <= 0)
        return;
    QScrollBar *bar = filtered->verticalScrollBar();
    const bool perItem = filtered->verticalScrollMode() == QAbstractItemView::ScrollPerItem;
    bar->setValue(bar->value() + (perItem ? (overlap + row.height() - 1) / row.height() : overlap));
}

bool ModFindField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != edit) {
        auto *list = qobject_cast<QTreeWidget *>(watched);
        // Space ticks the current mod, so in a list with the keyboard it is never a hidden one.
        if (list && list == filtered && event->type() == QEvent::FocusIn) {
            QTreeWidgetItem *current = list->currentItem();
            if (!current || current->isHidden())
                makeCurrent(list, firstShownItem(list));
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        focusLeftWithPage = false;
        break;
    case QEvent::FocusOut:
        focusLeftWithPage = isOpen() && !edit->isVisible();
        break;
    case QEvent::KeyPress:
        if (isOpen() && leadsIntoList(static_cast<QKeyEvent *>(event))) {
            filtered->setFocus(Qt::OtherFocusReason);
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

// A new count comes as a new notification, so that a reader hears it while the player types.
void ModFindField::describeMatches(int shown)
{
    const int total = filtered->topLevelItemCount();
    if (count && count->shown() == shown && count->total() == total)
        return;
    delete count;
    count = new ModMatchCount(edit, shown, total);
    edit->setAccessibleDescription(ModMatchCount::spokenCount(shown));
    count->show();
}
