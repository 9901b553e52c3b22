#pragma once

#include <QString>
#include <QStringList>

#include <limits>

class ModTable;

// The texts derived from the ticked mods. Every group lists its ticked mods in table order,
// multiplayer before campaign before global, whatever the order of ticking.

// The selected-mods view: each ticked mod's name followed by "\n".
QString composeSelectedMods();

// The line of composeSelectedMods() that entry `index` of the table has, or would have.
int selectedModsLine(const ModTable &table, int index);
int selectedModsLineCount();

// The command-line view, names neither quoted nor escaped; or only its first `kept` characters.
QString composeCommandLine(qsizetype kept = std::numeric_limits<qsizetype>::max());

// The game's arguments for the ticked mods, one per mod whatever characters its name holds.
QStringList composeModArgumentList();
