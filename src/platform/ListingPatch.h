#pragma once

#include <QStringList>
#include <QVector>

// How a list shown in listing order follows a new listing of its folder. The rows whose name is
// listed again stay, in their order, so that whatever hangs on them (a tick, a selection, the
// current row) can stay with them; the rows whose name is no longer listed go; the names listed
// for the first time come in at their sorted place among them, in the order of the listing.
struct ListingPatch {
    // The names of the new list, row by row.
    QStringList names;
    // For each row of the new list, the row of the old list it was, or -1 for a new name.
    QVector<int> previousRows;
    int removedCount = 0;
    int addedCount = 0;

    bool changesNothing() const { return removedCount == 0 && addedCount == 0; }
};

// `shown` is the list as it stands, `listed` the new listing in listing order.
ListingPatch patchListing(const QStringList &shown, const QStringList &listed);
