#include "app/ModTable.h"

namespace {
qsizetype lowestBit(qsizetype node)
{
    return node & -node;
}

quint64 nextRevision()
{
    static quint64 last = 0;
    return ++last;
}
} // namespace

void ModTable::append(const QString &name)
{
    entries.append(ModEntry{name, false});

    // The new node covers entries that may already be ticked; its own entry is not.
    const qsizetype node = entries.size();
    TickedSums covered;
    for (qsizetype child = node - 1; child > node - lowestBit(node); child -= lowestBit(child)) {
        covered.count += sumTree.at(child - 1).count;
        covered.length += sumTree.at(child - 1).length;
    }
    sumTree.append(covered);
    touch();
}

void ModTable::reserve(int size)
{
    entries.reserve(size);
    sumTree.reserve(size);
}

void ModTable::clear()
{
    entries.clear();
    firstIndexByName.clear();
    indexedCount = 0;
    sumTree.clear();
    ticked = 0;
    tickedLength = 0;
    touch();
}

int ModTable::indexOf(const QString &name) const
{
    indexNewEntries();
    return firstIndexByName.value(name).index;
}

void ModTable::indexNewEntries() const
{
    if (indexedCount == entries.size())
        return;
    firstIndexByName.reserve(entries.size());
    for (; indexedCount < entries.size(); ++indexedCount) {
        FirstIndex &first = firstIndexByName[entries.at(indexedCount).name];
        if (first.index < 0)
            first.index = indexedCount;
    }
}

void ModTable::setTicked(int index, bool newTicked)
{
    ModEntry &entry = entries[index];
    if (entry.ticked == newTicked)
        return;
    entry.ticked = newTicked;
    const int sign = newTicked ? 1 : -1;
    ticked += sign;
    tickedLength += sign * entry.name.size();
    addToSums(index, TickedSums{sign, sign * entry.name.size()});
    touch();
}

int ModTable::tickedCountBefore(int index) const
{
    return int(sumsBefore(index).count);
}

qsizetype ModTable::tickedNameLengthBefore(int index) const
{
    return sumsBefore(index).length;
}

ModTable::TickedSums ModTable::sumsBefore(int index) const
{
    TickedSums sums;
    for (qsizetype node = index; node > 0; node -= lowestBit(node)) {
        sums.count += sumTree.at(node - 1).count;
        sums.length += sumTree.at(node - 1).length;
    }
    return sums;
}

void ModTable::addToSums(int index, const TickedSums &delta)
{
    for (qsizetype node = index + 1; node <= sumTree.size(); node += lowestBit(node)) {
        sumTree[node - 1].count += delta.count;
        sumTree[node - 1].length += delta.length;
    }
}

void ModTable::touch()
{
    revisionNumber = nextRevision();
}
