#pragma once

#include "app/ModEntry.h"

#include <QHash>
#include <QVector>

// The mods of one subfolder in listing order. Entries are only ever appended, and only their
// tick flags change afterwards; a name index keeps lookups constant-time for huge folders. The
// index takes in new entries at the first lookup after them, so that filling a table at start
// costs no hashing until a name is first looked up.
class ModTable {
public:
    using const_iterator = QVector<ModEntry>::const_iterator;

    void append(const QString &name);
    void clear();
    // Makes room for that many entries in all, so that appending them allocates nothing more.
    void reserve(int size);

    int size() const { return entries.size(); }
    bool isEmpty() const { return entries.isEmpty(); }
    const ModEntry &at(int index) const { return entries.at(index); }
    const_iterator begin() const { return entries.cbegin(); }
    const_iterator end() const { return entries.cend(); }

    // Position of the first entry of exactly this name, or -1.
    int indexOf(const QString &name) const;
    void setTicked(int index, bool ticked);
    int tickedCount() const { return ticked; }

    // Sums over the ticked entries that stand before `index` (0 to size()), in logarithmic
    // time: they place an entry's text among the texts of the ticked ones without walking
    // the table.
    int tickedCountBefore(int index) const;
    qsizetype tickedNameLengthBefore(int index) const;
    // The summed name lengths of all ticked entries.
    qsizetype tickedNameLength() const { return tickedLength; }

    // Changes with every append, clear and actual change of a tick flag. A new value is
    // never handed out twice in a process, so a cache that remembers the revision it was
    // built from knows whether it is still current.
    quint64 revision() const { return revisionNumber; }

private:
    // -1 until the name is given an entry; one lookup then finds or makes it.
    struct FirstIndex {
        int index = -1;
    };
    struct TickedSums {
        qsizetype count = 0;
        qsizetype length = 0;
    };

    TickedSums sumsBefore(int index) const;
    void addToSums(int index, const TickedSums &delta);
    void touch();
    void indexNewEntries() const;

    QVector<ModEntry> entries;
    mutable QHash<QString, FirstIndex> firstIndexByName;
    mutable int indexedCount = 0;
    int ticked = 0;
    qsizetype tickedLength = 0;
    // A Fenwick tree over the entries: node j (1-based) sums the ticked entries j - lowbit(j)
    // to j - 1 (0-based). Stored 0-based, so node j sits at sumTree[j - 1].
    QVector<TickedSums> sumTree;
    quint64 revisionNumber = 0;
};
