#include "app/LiveLists.h"

#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/ModCatalogue.h"
#include "mods/ModLists.h"
#include "platform/FolderWatch.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"
#include "setfiles/SetFileFolder.h"
#include "setfiles/SetFileList.h"
#include "setfiles/SetFileNames.h"

#include <QDir>
#include <QWidget>

LiveLists::LiveLists(MainWindowForm &form, QWidget *window)
    : QObject(window)
    , form(form)
    , window(window)
    , setFileWatch(new platform::FolderWatch(this))
{
    for (const ModGroupFacts &group : modGroups) {
        auto *watch = new platform::FolderWatch(this);
        modWatches[std::size_t(group.group)] = watch;
        connect(watch, &platform::FolderWatch::settled, this,
                [this, &group] { relistMods(group); });
        connect(watch, &platform::FolderWatch::refused, this, &LiveLists::warnOfRefusedWatch);
    }
    connect(setFileWatch, &platform::FolderWatch::settled, this, &LiveLists::relistSetFiles);
    connect(setFileWatch, &platform::FolderWatch::refused, this, &LiveLists::warnOfRefusedWatch);
    followedModFolder = appState().modFolderPath;
    followSubfolders();
    setFileWatch->follow(setFileFolderPath());
}

void LiveLists::followModFolder()
{
    if (appState().modFolderPath == followedModFolder)
        return;
    followedModFolder = appState().modFolderPath;
    followSubfolders();
    for (const ModGroupFacts &group : modGroups)
        relistMods(group);
    warnOfMissingSubfolder();
}

void LiveLists::followSubfolders()
{
    for (const ModGroupFacts &group : modGroups)
        modWatches[std::size_t(group.group)]->follow(followedModFolder +
                                                     QLatin1String(group.subfolder));
}

void LiveLists::relistMods(const ModGroupFacts &group)
{
    const QString folder = modWatches[std::size_t(group.group)]->folderPath();
    emit relistStarted(folder);
    relistModList(form, group, listModFileNames(folder));
    emit relisted(folder);
}

void LiveLists::relistSetFiles()
{
    const QString folder = setFileWatch->folderPath();
    emit relistStarted(folder);
    refreshSetFileNames();
    relistSetFileList(form, appState().setFileNames);
    emit relisted(folder);
}

// Only the start ends the tool for a missing subfolder; later the player just learns why.
void LiveLists::warnOfMissingSubfolder()
{
    for (const ModGroupFacts &group : modGroups) {
        const QString folder = followedModFolder + QLatin1String(group.subfolder);
        if (QDir(folder).exists())
            continue;
        platform::showWarning(window, messageTitle(MessageTitle::VarnholdLocations),
                              modFolderMissingText(folder));
        return;
    }
}

void LiveLists::warnOfRefusedWatch(const QString &folder, const QString &reason)
{
    platform::showWarning(window, messageTitle(MessageTitle::HalvaneV5),
                          messageText("The folder %1 is not followed for changes:\n%2.")
                              .arg(folder, platform::reasonInMessage(reason)));
}
