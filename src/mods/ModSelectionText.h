#pragma once

#include <QString>
#include <QStringList>

#include <limits>

class ModTable;

// The texts derived from the ticked mods. Every group lists its ticked mods in table order,
// multiplayer before campaign before global, whatever the order of ticking.

// The selected-mods view: each ticked mod's name followed by "\n".
QString composeSelectedMods();

// The line of composeSelectedMods() that entry `index` of the table has, or would have when
// ticked: the number of ticked entries that stand before it.
int selectedModsLine(const ModTable &table, int index);
// The number of lines of composeSelectedMods(): all ticked entries.
int selectedModsLineCount();

// The command-line view: the placeholder "%BinaryPath%", then " --mod_mp=" (" --mod_ca=",
// " --mod=") and the name for each ticked mod, names neither quoted nor escaped, then " " and
// the other options as typed; or only its first `kept` characters.
QString composeCommandLine(qsizetype kept = std::numeric_limits<qsizetype>::max());

// The game's arguments for the ticked mods, one per mod whatever characters its name holds.
QStringList composeModArgumentList();
