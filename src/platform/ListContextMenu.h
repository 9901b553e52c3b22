#pragma once

class QAbstractItemView;
class QAction;

// Adds an action to the list's context menu, which opens with the right mouse button, the Menu
// key and Shift+F10.
void addContextMenuAction(QAbstractItemView *list, QAction *action);
