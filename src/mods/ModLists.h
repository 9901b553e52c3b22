#pragma once

class MainWindowForm;
class ModTable;
class QString;
class QTreeWidgetItem;
class QWidget;

// False when a mod subfolder is missing and the process was ended.
bool scanModFolders(QWidget *window);
void populateModLists(MainWindowForm &form);
void modItemChanged(MainWindowForm &form, ModTable &table, QTreeWidgetItem *item, int column);
void otherCommandsChanged(MainWindowForm &form, const QString &text);
