#include "app/OpenFolderActions.h"

#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/ModLists.h"
#include "platform/FolderOpener.h"
#include "platform/ListContextMenu.h"
#include "platform/MessageBoxes.h"
#include "setfiles/SetFileFolder.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QTreeWidget>

#include <functional>

namespace {
void openOrSay(QWidget *window, const QString &folder)
{
    if (!QDir(folder).exists()) {
        platform::showWarning(
            window, messageTitle(MessageTitle::HalvaneV5),
            QCoreApplication::translate("MainWindow", "The folder %1 is missing.").arg(folder));
        return;
    }
    if (!platform::openFolder(folder))
        platform::showWarning(
            window, messageTitle(MessageTitle::HalvaneV5),
            QCoreApplication::translate("MainWindow", "The desktop cannot open the folder %1.")
                .arg(folder));
}

void addOpenFolderAction(QAbstractItemView *list, std::function<void()> open)
{
    auto *action = new QAction(QCoreApplication::translate("MainWindow", "Open Folder"), list);
    action->setObjectName(QStringLiteral("actionOpenFolder"));
    QObject::connect(action, &QAction::triggered, list, std::move(open));
    addContextMenuAction(list, action);
}
} // namespace

void addOpenFolderActions(MainWindowForm &form, QWidget *window)
{
    for (const ModGroupFacts &group : modGroups) {
        addOpenFolderAction(modList(form, group), [window, &group] {
            openOrSay(window, appState().modFolderPath + QLatin1String(group.subfolder));
        });
    }
    // Whoever opens the folder before the first set means to put sets there.
    addOpenFolderAction(form.listChooseSetting, [window] {
        makeSetFileFolder();
        openOrSay(window, setFileFolderPath());
    });
}
