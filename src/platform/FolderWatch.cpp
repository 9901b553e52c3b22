#include "platform/FolderWatch.h"

#include "platform/SystemReason.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

FolderWatch::FolderWatch(QObject *parent)
    : QObject(parent)
{
    settleTimer.setSingleShot(true);
    settleTimer.setInterval(settleMs);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::noticeChange);
    connect(&settleTimer, &QTimer::timeout, this, [this] {
        watchAgain();
        emit settled();
    });
}

void FolderWatch::follow(const QString &folderPath)
{
    followed = folderPath;
    absoluteFolder = QDir::cleanPath(QFileInfo(folderPath).absoluteFilePath());
    refusalTold = false;
    settleTimer.stop();
    watchAgain();
}

// Changes in the folder above count only when they make or take the followed folder, or the
// folders between them.
void FolderWatch::noticeChange(const QString &path)
{
    if (path == absoluteFolder ||
        QFileInfo(absoluteFolder).isDir() != watcher.directories().contains(absoluteFolder) ||
        nearestExistingFolderAbove() != watchedAbove)
        settleTimer.start();
}

// The system drops the watch of a folder removed or renamed; one that is back gets a new watch
// before it is listed.
void FolderWatch::watchAgain()
{
    QStringList wanted;
    if (QFileInfo(absoluteFolder).isDir())
        wanted.append(absoluteFolder);
    watchedAbove = nearestExistingFolderAbove();
    if (!watchedAbove.isEmpty())
        wanted.append(watchedAbove);
    QStringList stale;
    for (const QString &path : watcher.directories()) {
        if (!wanted.contains(path))
            stale.append(path);
    }
    if (!stale.isEmpty())
        watcher.removePaths(stale);
    for (const QString &path : std::as_const(wanted)) {
        QString reason;
        if (watcher.directories().contains(path) || !watchRefused(path, &reason))
            continue;
        // Without the watch of the folder, or of the one above while it is missing, nothing shows.
        if (path == wanted.first() && !refusalTold) {
            refusalTold = true;
            emit refused(followed, reason);
        }
    }
}

// Asks for the watch of that folder; false once it is watched.
bool FolderWatch::watchRefused(const QString &path, QString *reason)
{
    *reason = watchRefusalSeam.call([](const QString &) { return QString(); }, path);
    if (!reason->isEmpty())
        return true;
    // A folder removed since it was seen is no refusal: the watch above notices its going.
    if (watcher.addPath(path) || !QFileInfo(path).isDir())
        return false;
    *reason = reasonFolderCannotBeWatched(path);
    return true;
}

QString FolderWatch::nearestExistingFolderAbove() const
{
    QString folder = absoluteFolder;
    for (;;) {
        const QString above = QFileInfo(folder).path();
        if (above == folder)
            return QString();
        if (QFileInfo(above).isDir())
            return above;
        folder = above;
    }
}

} // namespace platform
