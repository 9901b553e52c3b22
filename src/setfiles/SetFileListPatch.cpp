#include "setfiles/SetFileListPatch.h"

#include "platform/ListingPatch.h"
#include "app/form/MainWindowForm.h"

#include <QListWidget>

namespace {
QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QVector<bool> rowsStaying(const ListingPatch &patch, int rowsBefore)
{
    QVector<bool> staying(rowsBefore, false);
    for (const int before : patch.previousRows) {
        if (before >= 0)
            staying[before] = true;
    }
    return staying;
}
} // namespace

void patchSetFileList(MainWindowForm &form, const QStringList &listed)
{
    QListWidget *list = form.listChooseSetting;
    const ListingPatch patch = patchListing(itemTexts(list), listed);
    if (patch.changesNothing())
        return;
    const QVector<bool> staying = rowsStaying(patch, list->count());
    // Taking out the current item would make a neighbour current, and so the chosen set.
    if (list->currentRow() >= 0 && !staying.at(list->currentRow()))
        list->setCurrentItem(nullptr);
    for (int row = list->count() - 1; row >= 0; --row) {
        if (!staying.at(row))
            delete list->takeItem(row);
    }
    for (int row = 0; row < int(patch.names.size()); ++row) {
        if (patch.previousRows.at(row) < 0)
            list->insertItem(row, patch.names.at(row));
    }
}
