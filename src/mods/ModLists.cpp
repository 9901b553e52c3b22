#include "mods/ModLists.h"

#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "mods/ModCatalogue.h"
#include "mods/ModSelectionText.h"
#include "mods/ModViewBatch.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessExit.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBox>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

namespace {
QTreeWidgetItem *uncheckedItem()
{
    auto *item = new QTreeWidgetItem();
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    return item;
}

// Copies of one item share its data until they change: far fewer allocations for thousands.
QTreeWidgetItem *namedCopy(const QTreeWidgetItem &original, const QString &name)
{
    auto *item = new QTreeWidgetItem(original);
    item->setText(0, name);
    return item;
}

// The list finds an item's row by searching from its last item, once; ticking a long list for
// the first time would cost the square of its length. So items join a few dozen at a time and
// are looked up (by itemWidget) while they are among the last.
void addRememberingRows(QTreeWidget *list, const QList<QTreeWidgetItem *> &items)
{
    constexpr qsizetype itemsAtOnce = 64;
    for (qsizetype first = 0; first < items.size(); first += itemsAtOnce) {
        const QList<QTreeWidgetItem *> some = items.mid(first, itemsAtOnce);
        list->addTopLevelItems(some);
        for (QTreeWidgetItem *item : some)
            list->itemWidget(item, 0);
    }
}

// Where the player was in a list, by rows of the list before a relisting.
struct ListPlace {
    int currentRow = -1;
    int topRow = -1;
    QVector<int> selectedRows;
    int horizontalScroll = 0;
};

ListPlace placeIn(QTreeWidget *list)
{
    ListPlace place{list->currentIndex().row(),
                    list->indexAt(QPoint(0, 0)).row(),
                    {},
                    list->horizontalScrollBar()->value()};
    for (const QModelIndex &index : list->selectionModel()->selectedRows())
        place.selectedRows.append(index.row());
    std::sort(place.selectedRows.begin(), place.selectedRows.end());
    return place;
}

// A row that went hands on to the next row that stayed, or else the one before it, as the list
// itself does with its current item when that is taken out.
QTreeWidgetItem *survivor(int row, const QList<QTreeWidgetItem *> &before,
                          const QVector<bool> &kept)
{
    for (int next = row; next >= 0 && next < int(before.size()); ++next) {
        if (kept.at(next))
            return before.at(next);
    }
    for (int previous = qMin(row, int(before.size())) - 1; previous >= 0; --previous) {
        if (kept.at(previous))
            return before.at(previous);
    }
    return nullptr;
}

// The selected items that stayed, in ranges of adjacent rows: thousands of single rows would
// each be a range of their own.
QItemSelection selectionOf(QTreeWidget *list, const ListPlace &place,
                           const QList<QTreeWidgetItem *> &before, const QVector<bool> &kept)
{
    QItemSelection selection;
    for (const int row : place.selectedRows) {
        if (!kept.at(row))
            continue;
        const QModelIndex index = list->indexFromItem(before.at(row));
        if (!selection.isEmpty() && selection.last().bottom() + 1 == index.row())
            selection.last() = QItemSelectionRange(selection.last().topLeft(), index);
        else
            selection.append(QItemSelectionRange(index));
    }
    return selection;
}

void restorePlace(QTreeWidget *list, const ListPlace &place, const QList<QTreeWidgetItem *> &before,
                  const QVector<bool> &kept)
{
    if (QTreeWidgetItem *current = survivor(place.currentRow, before, kept))
        list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    list->selectionModel()->select(selectionOf(list, place, before, kept),
                                   QItemSelectionModel::ClearAndSelect);
    if (QTreeWidgetItem *top = survivor(place.topRow, before, kept))
        list->scrollToItem(top, QAbstractItemView::PositionAtTop);
    list->horizontalScrollBar()->setValue(place.horizontalScroll);
}

// Rendering thousands of ticked names for each tick takes longer than a frame, so the tick
// adds or removes its own line; false, changing nothing, when the view's lines do not match.
bool patchSelectedMods(QPlainTextEdit *view, int line, const QString &name, bool ticked)
{
    QTextDocument *document = view->document();
    const int linesBefore = document->blockCount() - 1;
    const int tickedNow = selectedModsLineCount();
    const int tickedBefore = ticked ? tickedNow - 1 : tickedNow + 1;
    if (linesBefore != tickedBefore)
        return false;
    QTextCursor cursor(document->findBlockByNumber(line));
    if (ticked) {
        cursor.insertText(name + QLatin1Char('\n'));
    } else {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    view->moveCursor(QTextCursor::Start); // where a full rendering leaves it
    return true;
}

// The items are made before they join the list, so no itemChanged is emitted per item.
int addItems(QTreeWidget *list, ModTable &table)
{
    // Spares the view adding up the heights of all rows above an item at each tick.
    list->setUniformRowHeights(true);
    const std::unique_ptr<QTreeWidgetItem> unnamed(uncheckedItem());
    QList<QTreeWidgetItem *> items;
    items.reserve(table.size());
    for (int index = 0; index < table.size(); ++index) {
        items.append(namedCopy(*unnamed, table.at(index).name));
        table.setTicked(index, false);
    }
    addRememberingRows(list, items);
    return int(items.size());
}
} // namespace

QTreeWidget *modList(MainWindowForm &form, const ModGroupFacts &group)
{
    return form.toolBox->findChild<QTreeWidget *>(QLatin1String(group.listName));
}

bool scanModFolders(QWidget *window)
{
    const ModFolderScan scan = scanModSubfolders(appState().modFolderPath);
    if (scan.complete())
        return true;
    platform::showWarning(window, messageTitle(MessageTitle::VarnholdLocations),
                          modFolderMissingText(scan.missingFolder));
    platform::exitProcess(scan.missing->missingSubfolderStatus);
    return false;
}

void populateModLists(MainWindowForm &form)
{
    int added = 0;
    for (const ModGroupFacts &group : modGroups)
        added += addItems(modList(form, group), group.mods());
    if (added > 0)
        renderViews(form);
}

void modItemChanged(MainWindowForm &form, ModTable &table, QTreeWidgetItem *item, int column)
{
    const bool ticked = item->data(column, Qt::CheckStateRole).toInt() == Qt::Checked;
    const QString name = item->data(column, Qt::DisplayRole).toString();
    const int index = table.indexOf(name);
    if (index < 0 || table.at(index).ticked == ticked) {
        renderViews(form);
        return;
    }
    table.setTicked(index, ticked);
    // Finding the line walks the tables, which a batch of thousands of ticks must not do for each.
    if (ModViewBatch::deferViews())
        return;
    if (!patchSelectedMods(form.SelectedMods, selectedModsLine(table, index), name, ticked))
        refreshSelectedMods(form);
    refreshCommandLine(form);
}

void otherCommandsChanged(MainWindowForm &form, const QString &text)
{
    appState().otherCommands = text;
    if (!ModViewBatch::deferViews())
        refreshCommandLine(form);
}

void renderViews(MainWindowForm &form)
{
    if (ModViewBatch::deferViews())
        return;
    refreshSelectedMods(form);
    refreshCommandLine(form);
}

void refreshSelectedMods(MainWindowForm &form)
{
    form.SelectedMods->setPlainText(composeSelectedMods());
}

void refreshCommandLine(MainWindowForm &form)
{
    // The line edit keeps no more, and the whole line would cost more than all else a tick does.
    form.CurrentCommandLine->setText(composeCommandLine(form.CurrentCommandLine->maxLength()));
}

// All items leave the list at once and join it again in the listing's order: moving them one
// by one would have the list search each one's row (see addRememberingRows).
void relistModList(MainWindowForm &form, const ModGroupFacts &group, const QStringList &listed)
{
    ModTable &table = group.mods();
    if (std::equal(table.begin(), table.end(), listed.cbegin(), listed.cend(),
                   [](const ModEntry &entry, const QString &name) { return entry.name == name; }))
        return;
    QTreeWidget *list = modList(form, group);
    const ListPlace place = placeIn(list);
    const QList<QTreeWidgetItem *> before = list->invisibleRootItem()->takeChildren();
    QVector<bool> kept(before.size(), false);
    const std::unique_ptr<QTreeWidgetItem> unnamed(uncheckedItem());
    QList<QTreeWidgetItem *> items;
    QVector<ModEntry> entries;
    items.reserve(listed.size());
    entries.reserve(listed.size());
    for (const QString &name : listed) {
        const int row = table.indexOf(name);
        const bool stays = row >= 0 && row < int(before.size());
        if (stays)
            kept[row] = true;
        items.append(stays ? before.at(row) : namedCopy(*unnamed, name));
        entries.append(stays ? table.at(row) : ModEntry{name, false});
    }
    bool tickedModWent = false;
    for (int row = 0; row < int(before.size()); ++row) {
        if (kept.at(row))
            continue;
        tickedModWent = tickedModWent || (row < table.size() && table.at(row).ticked);
        delete before.at(row);
    }
    table.assign(std::move(entries));
    addRememberingRows(list, items);
    restorePlace(list, place, before, kept);
    if (tickedModWent)
        renderViews(form);
}
