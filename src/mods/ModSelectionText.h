#pragma once

#include "mods/ModGroup.h"
#include "mods/TextSplice.h"

#include <QString>
#include <QStringList>

// The texts derived from the ticked mods. Every group lists its ticked mods in table order,
// multiplayer before campaign before global, whatever the order of ticking.

// The selected-mods view: each ticked mod's name followed by "\n".
QString composeSelectedMods();

// The mod part of the command line: " --mod_mp=" (" --mod_ca=", " --mod=") and the name for
// each ticked mod, names neither quoted nor escaped.
QString composeModOptions();

// The argument text of the command line: the mod options, then " " and the other options as
// typed. It always begins with a space.
QString composeModArguments();

// The command-line view: the placeholder "%BinaryPath%" directly followed by the argument
// text made of these mod options and other options. With a limit, only the first `limit`
// characters: what a line edit of that maximum length keeps of the whole, without copying
// megabytes of options for thirty thousand ticked mods.
QString composeCommandLine(const QString &modOptions, const QString &otherCommands,
                           qsizetype limit = -1);

// The game's arguments for the ticked mods, one per mod whatever characters its name holds.
QStringList composeModArgumentList();

// What setting the tick of entry `index` of the group's table to `ticked` (from the opposite)
// does to composeSelectedMods() and composeModOptions(). Computed from the tables' running
// sums, so it costs no walk over the tables; it may be taken before or after the change.
TextSplice selectedModsSplice(ModGroup group, int index, bool ticked);
TextSplice modOptionsSplice(ModGroup group, int index, bool ticked);
