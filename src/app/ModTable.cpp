#include "app/ModTable.h"

void ModTable::append(const QString &name) {
    if (!firstIndexByName.contains(name))
        firstIndexByName.insert(name, entries.size());
    entries.append(ModEntry{name, false});
}

void ModTable::clear() {
    entries.clear();
    firstIndexByName.clear();
    ticked = 0;
}

int ModTable::indexOf(const QString &name) const {
    return firstIndexByName.value(name, -1);
}

void ModTable::setTicked(int index, bool newTicked) {
    ModEntry &entry = entries[index];
    if (entry.ticked == newTicked)
        return;
    entry.ticked = newTicked;
    ticked += newTicked ? 1 : -1;
}
