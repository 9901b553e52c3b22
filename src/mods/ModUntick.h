#pragma once

class MainWindowForm;
struct ModGroupFacts;

// Adds "Untick All in This List" and "Untick All Mods" to the context menu of each mod list.
void addUntickActions(MainWindowForm &form);

// Untick every mod of one list, or of all three, in one step: the views are rendered once.
// Mods the find field hides are unticked too. The sets loaded before into those lists are
// forgotten, so that the next load ticks only its own mods there. Set files are not touched.
void untickAllInList(MainWindowForm &form, const ModGroupFacts &group);
void untickAllMods(MainWindowForm &form);
