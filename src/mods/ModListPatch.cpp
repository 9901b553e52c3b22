#include "mods/ModListPatch.h"

#include "platform/ListingPatch.h"
#include "app/state/ModGroup.h"
#include "mods/ModLists.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace {
// Where the player was in the list, by rows of the list before the patch.
struct ViewPlace {
    int currentRow = -1;
    int topRow = -1;
    QVector<int> selectedRows;
    int horizontalScroll = 0;
};

ViewPlace placeIn(QTreeWidget *list)
{
    ViewPlace place;
    place.currentRow = list->currentIndex().row();
    place.topRow = list->indexAt(QPoint(0, 0)).row();
    for (const QModelIndex &index : list->selectionModel()->selectedIndexes())
        place.selectedRows.append(index.row());
    std::sort(place.selectedRows.begin(), place.selectedRows.end());
    place.horizontalScroll = list->horizontalScrollBar()->value();
    return place;
}

// For each row before the patch, its row after it, or -1 when it went.
QVector<int> rowsAfter(const ListingPatch &patch, int rowsBefore)
{
    QVector<int> after(rowsBefore, -1);
    for (int row = 0; row < int(patch.previousRows.size()); ++row) {
        const int before = patch.previousRows.at(row);
        if (before >= 0 && before < rowsBefore)
            after[before] = row;
    }
    return after;
}

// A row that went hands on to the next row that stayed, or else the one before it, as the list
// itself does with its current item when that is taken out.
int rowAfter(const QVector<int> &after, int rowBefore)
{
    if (rowBefore < 0 || rowBefore >= int(after.size()))
        return -1;
    for (int row = rowBefore; row < int(after.size()); ++row) {
        if (after.at(row) >= 0)
            return after.at(row);
    }
    for (int row = rowBefore - 1; row >= 0; --row) {
        if (after.at(row) >= 0)
            return after.at(row);
    }
    return -1;
}

QItemSelection selectionAfter(QAbstractItemModel *model, const QVector<int> &after,
                              const QVector<int> &selectedRows)
{
    QItemSelection selection;
    int first = -1;
    int last = -1;
    const auto closeRange = [&] {
        if (first >= 0)
            selection.select(model->index(first, 0), model->index(last, 0));
    };
    for (const int before : selectedRows) {
        const int row = before < int(after.size()) ? after.at(before) : -1;
        if (row < 0)
            continue;
        if (row != last + 1 || first < 0) {
            closeRange();
            first = row;
        }
        last = row;
    }
    closeRange();
    return selection;
}

void restorePlace(QTreeWidget *list, const ViewPlace &place, const QVector<int> &after)
{
    QAbstractItemModel *model = list->model();
    QItemSelectionModel *selectionModel = list->selectionModel();
    const int currentRow = rowAfter(after, place.currentRow);
    if (currentRow >= 0)
        selectionModel->setCurrentIndex(model->index(currentRow, 0), QItemSelectionModel::NoUpdate);
    selectionModel->select(selectionAfter(model, after, place.selectedRows),
                           QItemSelectionModel::ClearAndSelect);
    const int topRow = rowAfter(after, place.topRow);
    if (topRow >= 0)
        list->scrollTo(model->index(topRow, 0), QAbstractItemView::PositionAtTop);
    list->horizontalScrollBar()->setValue(place.horizontalScroll);
}

QStringList namesIn(const ModTable &table)
{
    QStringList names;
    names.reserve(table.size());
    for (const ModEntry &entry : table)
        names.append(entry.name);
    return names;
}
} // namespace

void patchModList(MainWindowForm &form, const ModGroupFacts &group, const QStringList &listed)
{
    ModTable &table = group.mods();
    const ListingPatch patch = patchListing(namesIn(table), listed);
    if (patch.changesNothing())
        return;
    QTreeWidget *list = modList(form, group);
    const ViewPlace place = placeIn(list);
    const QList<QTreeWidgetItem *> before = list->invisibleRootItem()->takeChildren();
    const QVector<int> after = rowsAfter(patch, int(before.size()));

    QStringList newNames;
    for (int row = 0; row < int(patch.names.size()); ++row) {
        if (patch.previousRows.at(row) < 0 || patch.previousRows.at(row) >= int(before.size()))
            newNames.append(patch.names.at(row));
    }
    const QList<QTreeWidgetItem *> made = makeModItems(newNames);
    QList<QTreeWidgetItem *> items;
    QVector<ModEntry> entries;
    items.reserve(patch.names.size());
    entries.reserve(patch.names.size());
    qsizetype nextMade = 0;
    for (int row = 0; row < int(patch.names.size()); ++row) {
        const int previous = patch.previousRows.at(row);
        const bool kept = previous >= 0 && previous < int(before.size());
        items.append(kept ? before.at(previous) : made.at(nextMade++));
        entries.append(previous >= 0 ? table.at(previous) : ModEntry{patch.names.at(row), false});
    }
    bool tickedModWent = false;
    for (int row = 0; row < int(before.size()); ++row) {
        if (after.at(row) >= 0)
            continue;
        tickedModWent = tickedModWent || (row < table.size() && table.at(row).ticked);
        delete before.at(row);
    }
    table.assign(std::move(entries));
    appendModItems(list, items);
    restorePlace(list, place, after);
    if (tickedModWent)
        renderViews(form);
}
