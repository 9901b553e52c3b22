#pragma once

class QAbstractItemView;
class QAction;

// Adds an action to the list's context menu. The menu is made of the actions added to the list;
// it opens with the right mouse button, with the Menu key and with Shift+F10, for a key at the
// current item.
void addContextMenuAction(QAbstractItemView *list, QAction *action);
