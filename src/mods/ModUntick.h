#pragma once

class MainWindowForm;
struct ModGroupFacts;

// Adds "Untick All in This List" and "Untick All Mods" to the context menu of each mod list.
void addUntickActions(MainWindowForm &form);

// Untick every mod of one list, or of all three, hidden ones too, and forget the sets loaded
// into those lists, so that the next load ticks only its own mods there.
void untickAllInList(MainWindowForm &form, const ModGroupFacts &group);
void untickAllMods(MainWindowForm &form);
