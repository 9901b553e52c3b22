#include "app/SetLaunch.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "mods/GameLaunch.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessExit.h"
#include "setfiles/MissingMods.h"
#include "setfiles/SetFileFolder.h"
#include "setfiles/SetFileList.h"

#include <QCoreApplication>
#include <QListWidget>

namespace {
enum LaunchStatus { Started = 0, NoSet = 4, Declined = 5, NotStarted = 6 };

int endWith(int status)
{
    platform::exitProcess(status);
    return status;
}

// The list's item of that name, or with ".set" after it: a name never reaches another folder.
QListWidgetItem *listedSet(const QListWidget *list, const QString &name)
{
    const QString extension = QStringLiteral(".set");
    QListWidgetItem *withExtension = nullptr;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        const QString listed = item->text();
        if (listed == name)
            return item;
        if (!withExtension && listed.size() == name.size() + extension.size() &&
            listed.startsWith(name) && listed.endsWith(extension, Qt::CaseInsensitive))
            withExtension = item;
    }
    return withExtension;
}

void warnNoSuchSet(QWidget *window, const QString &name)
{
    platform::showWarning(
        window, messageTitle(MessageTitle::HalvaneV5),
        QCoreApplication::translate("MainWindow",
                                    "Cannot launch the set %1:\nThere is no such set in %2.")
            .arg(name, setFileFolderPath()));
}

bool startWithoutMissingMods(QWidget *window, const QString &setFileName)
{
    const MissingMods missing = findMissingMods();
    if (missing.isEmpty())
        return true;
    return platform::askQuestion(
        window, messageTitle(MessageTitle::HalvaneV5),
        QCoreApplication::translate(
            "MainWindow", "The set %1 names mods that the mod folder does not hold:\n\n%2\n\n"
                          "Start Varnhold without them?")
            .arg(setFileName, missingModsListing(missing)));
}
} // namespace

LaunchOption takeLaunchOption(const QStringList &arguments)
{
    const LaunchOption option = readLaunchOption(arguments);
    if (!option.mistake.isEmpty()) {
        platform::showWarning(nullptr, messageTitle(MessageTitle::HalvaneV5), option.mistake);
        endWith(NoSet);
    }
    return option;
}

int launchSet(MainWindow &window, const QString &name)
{
    if (!window.startupCompleted())
        return 0;
    MainWindowForm &form = window.form();
    QListWidgetItem *item = listedSet(form.listChooseSetting, name);
    if (!item) {
        warnNoSuchSet(&window, name);
        return endWith(NoSet);
    }
    // As the player's choice in the list, so the list's own handler records the chosen set.
    form.listChooseSetting->setCurrentItem(item);
    if (!loadChosenSetFile(form, &window))
        return endWith(NoSet);
    if (!startWithoutMissingMods(&window, item->text()))
        return endWith(Declined);
    if (!launchGame(&window))
        return endWith(NotStarted);
    return Started;
}
