#include "platform/ListingPatch.h"

#include "platform/FolderListing.h"

#include <QSet>

#include <algorithm>

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

// Both the kept rows and the new names stand in listing order, so one merge by the listing's
// key places every new name; a new name goes after kept rows of an equal key. Keys are made only
// as far as there are new names left to place.
ListingPatch patchWhole(const QStringList &shown, const QStringList &listed)
{
    ListingPatch patch;
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

// The rows at the start and at the end that the listing names alike, and where they stand.
struct CommonEnds {
    qsizetype front = 0;
    qsizetype back = 0;
};

CommonEnds commonEnds(const QStringList &shown, const QStringList &listed)
{
    const qsizetype shorter = std::min(shown.size(), listed.size());
    CommonEnds ends;
    while (ends.front < shorter && shown.at(ends.front) == listed.at(ends.front))
        ++ends.front;
    while (ends.front + ends.back < shorter &&
           shown.at(shown.size() - 1 - ends.back) == listed.at(listed.size() - 1 - ends.back))
        ++ends.back;
    // A new name of the same key as the first row of the end goes after that row, so such rows
    // take part in the merge.
    const auto listedAt = [&](qsizetype fromBack) { return listed.at(listed.size() - fromBack); };
    while (ends.back > 0 && listed.size() - ends.back > ends.front &&
           platform::listingOrderKey(listedAt(ends.back + 1)) ==
               platform::listingOrderKey(listedAt(ends.back)))
        --ends.back;
    return ends;
}

// A middle row may stay because the listing names it among the common ends: only a name shown
// twice does that.
bool middleNamesListedAtTheEnds(const QStringList &shownMiddle, const QStringList &listedMiddle,
                                const QStringList &listed, const CommonEnds &ends)
{
    const QSet<QString> middle(listedMiddle.cbegin(), listedMiddle.cend());
    QSet<QString> atTheEnds;
    for (const QString &name : shownMiddle) {
        if (middle.contains(name))
            continue;
        if (atTheEnds.isEmpty()) {
            atTheEnds = QSet<QString>(listed.cbegin(), listed.cbegin() + ends.front);
            atTheEnds.unite(QSet<QString>(listed.cend() - ends.back, listed.cend()));
        }
        if (atTheEnds.contains(name))
            return true;
    }
    return false;
}
} // namespace

// Only the rows between the common start and end take part: a file added among 100,000 would
// otherwise hash every name twice, which took longer than listing the folder.
ListingPatch patchListing(const QStringList &shown, const QStringList &listed)
{
    if (shown == listed) {
        ListingPatch patch;
        keepAll(patch, shown);
        return patch;
    }
    const CommonEnds ends = commonEnds(shown, listed);
    const QStringList shownMiddle = shown.mid(ends.front, shown.size() - ends.front - ends.back);
    const QStringList listedMiddle = listed.mid(ends.front, listed.size() - ends.front - ends.back);
    if (middleNamesListedAtTheEnds(shownMiddle, listedMiddle, listed, ends))
        return patchWhole(shown, listed);
    const ListingPatch middle = patchWhole(shownMiddle, listedMiddle);
    ListingPatch patch;
    patch.removedCount = middle.removedCount;
    patch.addedCount = middle.addedCount;
    patch.names = shown.mid(0, ends.front) + middle.names + shown.mid(shown.size() - ends.back);
    patch.previousRows.reserve(patch.names.size());
    for (int row = 0; row < int(ends.front); ++row)
        patch.previousRows.append(row);
    for (const int previous : middle.previousRows)
        patch.previousRows.append(previous < 0 ? -1 : previous + int(ends.front));
    for (int row = int(shown.size() - ends.back); row < int(shown.size()); ++row)
        patch.previousRows.append(row);
    return patch;
}
