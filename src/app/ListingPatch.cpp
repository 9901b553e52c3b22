#include "app/ListingPatch.h"

#include "platform/FolderListing.h"

#include <QSet>

namespace {
void keepAll(ListingPatch &patch, const QStringList &shown)
{
    patch.names = shown;
    patch.previousRows.resize(shown.size());
    for (int row = 0; row < int(shown.size()); ++row)
        patch.previousRows[row] = row;
}

QVector<int> rowsListedAgain(const QStringList &shown, const QStringList &listed)
{
    const QSet<QString> listedNames(listed.cbegin(), listed.cend());
    QVector<int> kept;
    kept.reserve(shown.size());
    for (int row = 0; row < int(shown.size()); ++row) {
        if (listedNames.contains(shown.at(row)))
            kept.append(row);
    }
    return kept;
}

QStringList namesNotShown(const QStringList &shown, const QStringList &listed)
{
    const QSet<QString> shownNames(shown.cbegin(), shown.cend());
    QStringList added;
    for (const QString &name : listed) {
        if (!shownNames.contains(name))
            added.append(name);
    }
    return added;
}
} // namespace

// Both the kept rows and the new names stand in listing order, so one merge by the listing's
// key places every new name; a new name goes after kept rows of an equal key. Keys are made only
// as far as there are new names left to place.
ListingPatch patchListing(const QStringList &shown, const QStringList &listed)
{
    ListingPatch patch;
    if (shown == listed) {
        keepAll(patch, shown);
        return patch;
    }
    const QVector<int> kept = rowsListedAgain(shown, listed);
    const QStringList added = namesNotShown(shown, listed);
    patch.removedCount = int(shown.size() - kept.size());
    patch.addedCount = int(added.size());
    patch.names.reserve(kept.size() + added.size());
    patch.previousRows.reserve(kept.size() + added.size());
    qsizetype next = 0;
    QString nextKey = added.isEmpty() ? QString() : platform::listingOrderKey(added.first());
    const auto placeNewName = [&] {
        patch.names.append(added.at(next));
        patch.previousRows.append(-1);
        if (++next < added.size())
            nextKey = platform::listingOrderKey(added.at(next));
    };
    for (const int row : kept) {
        const QString &name = shown.at(row);
        if (next < added.size()) {
            const QString key = platform::listingOrderKey(name);
            while (next < added.size() && nextKey < key)
                placeNewName();
        }
        patch.names.append(name);
        patch.previousRows.append(row);
    }
    while (next < added.size())
        placeNewName();
    return patch;
}
