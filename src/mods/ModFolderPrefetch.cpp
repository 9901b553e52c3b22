#include "mods/ModFolderPrefetch.h"

#include "mods/ModCatalogue.h"
#include "mods/ModGroup.h"

#include <QThread>

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {
enum class FolderState { Waiting, Listing, Listed, Gone };

struct PrefetchedFolder {
    QString path;
    FolderState state = FolderState::Waiting;
    QStringList names;
};
} // namespace

struct ModFolderPrefetch::Work {
    std::mutex mutex;
    std::condition_variable listed;
    std::vector<PrefetchedFolder> folders;
    std::thread thread;

    void run(const std::function<QString()> &forecastModFolder);
    void forecast(const QString &modFolderPath);
    // The thread lists from the last folder backwards while the scan asks from the first on.
    PrefetchedFolder *claimFromBack();
    std::optional<QStringList> take(const QString &folderPath);
    // Folders not begun are no longer wanted.
    void abandon();
};

ModFolderPrefetch::Work *ModFolderPrefetch::current = nullptr;

void ModFolderPrefetch::Work::run(const std::function<QString()> &forecastModFolder)
{
    forecast(forecastModFolder());
    while (PrefetchedFolder *folder = claimFromBack()) {
        QStringList names = listModFileNames(folder->path);
        const std::lock_guard lock(mutex);
        folder->names = std::move(names);
        folder->state = FolderState::Listed;
        listed.notify_all();
    }
}

void ModFolderPrefetch::Work::forecast(const QString &modFolderPath)
{
    const std::lock_guard lock(mutex);
    for (const ModGroup group : allModGroups)
        folders.push_back(
            PrefetchedFolder{modFolderPath + modSubfolder(group), FolderState::Waiting, {}});
}

PrefetchedFolder *ModFolderPrefetch::Work::claimFromBack()
{
    const std::lock_guard lock(mutex);
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        if (folder->state == FolderState::Waiting) {
            folder->state = FolderState::Listing;
            return &*folder;
        }
    }
    return nullptr;
}

std::optional<QStringList> ModFolderPrefetch::Work::take(const QString &folderPath)
{
    std::unique_lock lock(mutex);
    for (PrefetchedFolder &folder : folders) {
        if (folder.path != folderPath)
            continue;
        // Half listed, the rest takes less than listing it all again would.
        listed.wait(lock, [&folder] { return folder.state != FolderState::Listing; });
        const bool done = folder.state == FolderState::Listed;
        folder.state = FolderState::Gone;
        if (done)
            return std::move(folder.names);
        return std::nullopt;
    }
    return std::nullopt;
}

void ModFolderPrefetch::Work::abandon()
{
    const std::lock_guard lock(mutex);
    for (PrefetchedFolder &folder : folders) {
        if (folder.state == FolderState::Waiting)
            folder.state = FolderState::Gone;
    }
}

ModFolderPrefetch::ModFolderPrefetch(std::function<QString()> forecastModFolder)
    : work(std::make_unique<Work>())
{
    // Qt takes the first thread that uses it for the main thread, which must be this one and
    // not the new one, even though this one makes the application object only afterwards.
    QThread::currentThread();
    Work *shared = work.get();
    try {
        shared->thread = std::thread([shared, forecastModFolder = std::move(forecastModFolder)] {
            shared->run(forecastModFolder);
        });
    } catch (const std::system_error &) {
        return; // without a thread the scan lists everything itself, as it would anyway
    }
    current = shared;
}

ModFolderPrefetch::~ModFolderPrefetch()
{
    if (current == work.get())
        current = nullptr;
    // The tool may be closed before its listings are all done; it waits for one at most.
    work->abandon();
    if (work->thread.joinable())
        work->thread.join();
}

std::optional<QStringList> ModFolderPrefetch::take(const QString &folderPath)
{
    if (!current)
        return std::nullopt;
    return current->take(folderPath);
}
