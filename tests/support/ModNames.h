#pragma once

#include "app/state/ModEntry.h"

#include <QStringList>

// The names of mod entries in their order, from a table or from the entries a set file gave:
// all of them, or only the ticked ones.
template <typename Entries>
QStringList namesOf(const Entries &entries)
{
    QStringList names;
    for (const ModEntry &entry : entries)
        names << entry.name;
    return names;
}

template <typename Entries>
QStringList tickedNames(const Entries &entries)
{
    QStringList names;
    for (const ModEntry &entry : entries) {
        if (entry.ticked)
            names << entry.name;
    }
    return names;
}
