#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// Lists the three mod subfolders on a thread of its own while the application object and the
// window are being made, so that listing tens of thousands of mods overlaps that work instead
// of following it. Which mod folder it lists is only a forecast (options.ini as it stands at
// start). The scan takes a listing only of exactly the folder it wants, waiting for one under
// way; a folder not begun, or not yet forecast, it lists itself, so what it finds is what it
// would have found. Make it, take from it and destroy it on one thread; at most one runs at a
// time. Destroying it waits for the folder being listed.
class ModFolderPrefetch {
public:
    // forecastModFolder runs on the new thread and names the mod folder to list.
    explicit ModFolderPrefetch(std::function<QString()> forecastModFolder);
    ~ModFolderPrefetch();
    ModFolderPrefetch(const ModFolderPrefetch &) = delete;
    ModFolderPrefetch &operator=(const ModFolderPrefetch &) = delete;

    // The names listModFileNames gives for folderPath, when the running prefetch lists that
    // folder and has not handed it out yet; nothing otherwise, and then the thread leaves the
    // folder to the caller. Each folder is handed out once.
    static std::optional<QStringList> take(const QString &folderPath);

private:
    struct Work;
    // Used only by the thread that makes and destroys prefetches and scans.
    static Work *current;
    std::unique_ptr<Work> work;
};
