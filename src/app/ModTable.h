#pragma once

#include "app/ModEntry.h"

#include <QHash>
#include <QVector>

// The mods of one subfolder in listing order. Entries are only ever appended, and only their
// tick flags change afterwards; a name index keeps lookups constant-time for huge folders.
class ModTable {
public:
    using const_iterator = QVector<ModEntry>::const_iterator;

    void append(const QString &name);
    void clear();

    int size() const { return entries.size(); }
    bool isEmpty() const { return entries.isEmpty(); }
    const ModEntry &at(int index) const { return entries.at(index); }
    const_iterator begin() const { return entries.cbegin(); }
    const_iterator end() const { return entries.cend(); }

    // Position of the first entry of exactly this name, or -1.
    int indexOf(const QString &name) const;
    void setTicked(int index, bool ticked);
    int tickedCount() const { return ticked; }

private:
    QVector<ModEntry> entries;
    QHash<QString, int> firstIndexByName;
    int ticked = 0;
};
