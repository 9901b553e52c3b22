#include "mods/ModFolderPrefetch.h"

#include "mods/ModCatalogue.h"
#include "mods/ModGroup.h"

#include <QThread>

#include <condition_variable>
#include <mutex>
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
    std::condition_variable changed;
    bool forecastKnown = false;
    std::vector<PrefetchedFolder> folders;
    std::unique_ptr<QThread> thread;

    void run(const std::function<QString()> &forecastModFolder);
    void forecast(const QString &modFolderPath);
    // The thread lists from the last folder backwards while the scan asks from the first on.
    PrefetchedFolder *claimFromBack();
    std::optional<QStringList> take(const QString &folderPath);
};

namespace {
// Only the thread that makes and destroys the prefetch, the one that scans, uses this.
ModFolderPrefetch::Work *current = nullptr;
} // namespace

void ModFolderPrefetch::Work::run(const std::function<QString()> &forecastModFolder)
{
    forecast(forecastModFolder());
    while (PrefetchedFolder *folder = claimFromBack()) {
        QStringList names = listModFileNames(folder->path);
        const std::lock_guard lock(mutex);
        folder->names = std::move(names);
        folder->state = FolderState::Listed;
        changed.notify_all();
    }
}

void ModFolderPrefetch::Work::forecast(const QString &modFolderPath)
{
    const std::lock_guard lock(mutex);
    for (const ModGroup group : allModGroups)
        folders.push_back(
            PrefetchedFolder{modFolderPath + modSubfolder(group), FolderState::Waiting, {}});
    forecastKnown = true;
    changed.notify_all();
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
    changed.wait(lock, [this] { return forecastKnown; });
    for (PrefetchedFolder &folder : folders) {
        if (folder.path != folderPath)
            continue;
        changed.wait(lock, [&folder] { return folder.state != FolderState::Listing; });
        const bool listed = folder.state == FolderState::Listed;
        folder.state = FolderState::Gone;
        if (listed)
            return std::move(folder.names);
        return std::nullopt;
    }
    return std::nullopt;
}

ModFolderPrefetch::ModFolderPrefetch(std::function<QString()> forecastModFolder)
    : work(std::make_unique<Work>())
{
    Work *shared = work.get();
    shared->thread.reset(
        QThread::create([shared, forecastModFolder = std::move(forecastModFolder)] {
            shared->run(forecastModFolder);
        }));
    // It only uses the time that the start leaves over; when the scan needs a listing still
    // under way, it waits for it and so leaves that time over.
    shared->thread->start(QThread::IdlePriority);
    // Without a thread nothing would ever be listed, and the scan must not wait for it.
    if (shared->thread->isRunning() || shared->thread->isFinished())
        current = shared;
}

ModFolderPrefetch::~ModFolderPrefetch()
{
    if (current == work.get())
        current = nullptr;
    work->thread->wait();
}

std::optional<QStringList> ModFolderPrefetch::take(const QString &folderPath)
{
    if (!current)
        return std::nullopt;
    return current->take(folderPath);
}
