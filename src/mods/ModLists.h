#pragma once

#include "mods/ModViewBatch.h"

#include <QStringList>

class MainWindowForm;
struct ModGroupFacts;
class QTreeWidget;
class ModTable;
class QString;
class QTreeWidgetItem;
class QWidget;

// The list that shows the group's mods.
QTreeWidget *modList(MainWindowForm &form, const ModGroupFacts &group);

// Fills the three mod tables from the mod folder's subfolders. When one is missing it warns,
// ends the process with that subfolder's status and returns false.
bool scanModFolders(QWidget *window);

// Gives each table's entries a checkable, unticked item in its list and renders both views
// when there is any item at all.
void populateModLists(MainWindowForm &form);

// The handlers behind the lists' itemChanged and the other options' textChanged. They bring
// the tables, `otherCommands` and the views up to date at once. To tick many items in one go,
// open a ModViewBatch.
void modItemChanged(MainWindowForm &form, ModTable &table, QTreeWidgetItem *item, int column);
void otherCommandsChanged(MainWindowForm &form, const QString &text);

// Shows a new listing of the group's subfolder: new mods appear unticked in their sorted place,
// vanished ones disappear, and everything else stays as the player left it: the other ticks, the
// current item, the selection, the scroll position and the focus. An item whose name is listed
// again is the same item afterwards, with its check state and its hidden flag. When a ticked mod
// vanished, both views are rendered once; otherwise they are left alone.
void relistModList(MainWindowForm &form, const ModGroupFacts &group, const QStringList &listed);

// Render both views, or each of them, afresh from the tables; inside a batch, at its end.
void renderViews(MainWindowForm &form);
void refreshSelectedMods(MainWindowForm &form);
void refreshCommandLine(MainWindowForm &form);
