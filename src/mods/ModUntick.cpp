#include "mods/ModUntick.h"

#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/ModGroup.h"
#include "mods/ModLists.h"
#include "mods/ModViewBatch.h"
#include "platform/ListContextMenu.h"

#include <QAction>
#include <QTreeWidget>

namespace {
// Through the items, as a click would untick them, so that the list's own change signal
// brings the table up to date; the batch renders the views once at the end.
void untickItems(QTreeWidget *list)
{
    const int count = list->topLevelItemCount();
    for (int row = 0; row < count; ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        if (item->checkState(0) != Qt::Unchecked)
            item->setCheckState(0, Qt::Unchecked);
    }
}

QAction *newAction(QTreeWidget *list, const char *text, const char *objectName)
{
    auto *action = new QAction(messageText(text), list);
    action->setObjectName(QLatin1String(objectName));
    addContextMenuAction(list, action);
    return action;
}
} // namespace

void addUntickActions(MainWindowForm &form)
{
    for (const ModGroupFacts &group : modGroups) {
        QTreeWidget *list = modList(form, group);
        QAction *inList = newAction(list, "Untick All in This List", "actionUntickAllInList");
        QObject::connect(inList, &QAction::triggered, list,
                         [&form, &group] { untickAllInList(form, group); });
        QAction *all = newAction(list, "Untick All Mods", "actionUntickAllMods");
        QObject::connect(all, &QAction::triggered, list, [&form] { untickAllMods(form); });
    }
}

void untickAllInList(MainWindowForm &form, const ModGroupFacts &group)
{
    ModViewBatch batch(form);
    untickItems(modList(form, group));
    // Unticking all starts from nothing: the next load does not tick earlier sets again.
    group.loadedMods().clear();
    group.latestReadStart() = 0;
}

void untickAllMods(MainWindowForm &form)
{
    ModViewBatch batch(form);
    for (const ModGroupFacts &group : modGroups)
        untickAllInList(form, group);
}
