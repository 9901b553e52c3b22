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

// Gives each table's entries an unticked item in its list.
void populateModLists(MainWindowForm &form);

// The handlers behind the lists' itemChanged and the other options' textChanged.
void modItemChanged(MainWindowForm &form, ModTable &table, QTreeWidgetItem *item, int column);
void otherCommandsChanged(MainWindowForm &form, const QString &text);

// Shows a new listing of the group's subfolder: new mods appear unticked, vanished ones go, and
// everything else (items, ticks, current item, selection, scroll, focus) stays. The views are
// rendered only when a ticked mod vanished.
void relistModList(MainWindowForm &form, const ModGroupFacts &group, const QStringList &listed);

// Render both views, or each of them, afresh from the tables; inside a batch, at its end.
void renderViews(MainWindowForm &form);
void refreshSelectedMods(MainWindowForm &form);
void refreshCommandLine(MainWindowForm &form);
