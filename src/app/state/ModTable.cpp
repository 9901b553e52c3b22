#include "app/state/ModTable.h"

#include <algorithm>

void ModTable::append(const QString &name)
{
    entries.append(ModEntry{name, false});
}

void ModTable::clear()
{
    entries.clear();
    firstIndexByName.clear();
    indexedCount = 0;
}

void ModTable::assign(QVector<ModEntry> newEntries)
{
    clear();
    entries = std::move(newEntries);
}

int ModTable::indexOf(const QString &name) const
{
    for (; indexedCount < entries.size(); ++indexedCount) {
        const QString &entryName = entries.at(indexedCount).name;
        if (!firstIndexByName.contains(entryName))
            firstIndexByName.insert(entryName, indexedCount);
    }
    return firstIndexByName.value(name, -1);
}

int ModTable::tickedCount() const
{
    return int(std::count_if(entries.cbegin(), entries.cend(),
                             [](const ModEntry &entry) { return entry.ticked; }));
}
