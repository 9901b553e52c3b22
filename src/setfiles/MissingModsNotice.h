#pragma once

class QString;
class QWidget;

// Right after a set was loaded: names the mods it holds that no list shows, so that the player
// knows they were not ticked and that saving to the set now would leave them out. Says nothing
// when every mod of the set is there.
void nameMissingMods(QWidget *window, const QString &setFileName);
