#include "mods/ModLists.h"

bool scanModFolders(QWidget *) {
    return true;
}
void populateModLists(MainWindowForm &) {}
void modItemChanged(MainWindowForm &, ModTable &, QTreeWidgetItem *, int) {}
void otherCommandsChanged(MainWindowForm &, const QString &) {}
