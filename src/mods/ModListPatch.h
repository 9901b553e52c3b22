#pragma once

#include <QStringList>

class MainWindowForm;
struct ModGroupFacts;

// Shows a new listing of the group's subfolder: new mods appear in their sorted place, vanished
// ones disappear, and everything else stays as the player left it: the other ticks, the current
// item, the selection, the scroll position and the focus. Table entry i and list item i carry
// the same name afterwards, as before. When a ticked mod vanished, both views are rendered once;
// otherwise they show the same as before and are left alone.
//
// How the list's items are touched: an item whose name is listed again is the same item object
// afterwards, with its check state and its hidden flag; vanished items are deleted; new items are
// unticked and shown. To move items without the list searching each one's row later on (see
// appendModItems), all items leave the list at once and join it again in the new order, so the
// list signals its rows removed and inserted, its current item and selection as changed, but no
// itemChanged.
void patchModList(MainWindowForm &form, const ModGroupFacts &group, const QStringList &listed);
