#pragma once

#include "app/state/ModEntry.h"

#include <QHash>
#include <QVector>

// The mods of one subfolder in listing order. Loading a set looks up thousands of names, so the
// table indexes the first entry of each name, lazily, so that filling it at start hashes nothing.
class ModTable {
public:
    using const_iterator = QVector<ModEntry>::const_iterator;

    void append(const QString &name);
    void clear();
    void assign(QVector<ModEntry> newEntries);
    void reserve(int size) { entries.reserve(size); }

    int size() const { return int(entries.size()); }
    bool isEmpty() const { return entries.isEmpty(); }
    const ModEntry &at(int index) const { return entries.at(index); }
    const_iterator begin() const { return entries.cbegin(); }
    const_iterator end() const { return entries.cend(); }

    // Position of the first entry of exactly this name, or -1.
    int indexOf(const QString &name) const;
    void setTicked(int index, bool ticked) { entries[index].ticked = ticked; }
    int tickedCount() const;

private:
    QVector<ModEntry> entries;
    mutable QHash<QString, int> firstIndexByName;
    mutable int indexedCount = 0;
};
