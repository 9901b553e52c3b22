#pragma once

#include <QString>
#include <QStringList>

// The mods a loaded set names that its own list does not hold: loading cannot tick them, so
// the game would start without them. Each name once, in the set's order, by list.
struct MissingMods {
    QStringList multiplay;
    QStringList campaign;
    QStringList global;

    bool isEmpty() const { return multiplay.isEmpty() && campaign.isEmpty() && global.isEmpty(); }
};

// Compares the entries of the latest read with the mod tables.
MissingMods findMissingMods();

// The missing mods for a message, by list, at most `limit` names, the rest counted.
QString missingModsListing(const MissingMods &missing, int limit = 20);
