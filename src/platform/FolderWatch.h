#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/TestSeam.h"

namespace platform {

// Tells when the entries of one folder may have changed: once a burst of changes in it, or of
// it (made, removed, renamed), has been quiet for a quarter of a second, so that thousands of
// files copied in at once give one signal. It watches the folder while it exists and the
// nearest folder above it that exists, so that the folder is noticed when it comes back. The
// system reports the changes; nothing is polled.
class FolderWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int settleMs = 250;

    explicit FolderWatch(QObject *parent = nullptr);

    // Follows the folder at this path from now on, in place of the one before. Nothing is
    // signalled for the change of folder itself.
    void follow(const QString &folderPath);
    QString folderPath() const { return followed; }

signals:
    void settled();
    // The system refused the watch that would notice the folder's changes, with its reason.
    // Said once for each folder followed.
    void refused(const QString &folderPath, const QString &reason);

private:
    void noticeChange(const QString &path);
    void watchAgain();
    bool watchRefused(const QString &path, QString *reason);
    bool folderWatched() const;
    QString nearestExistingFolderAbove() const;

    QFileSystemWatcher watcher;
    QTimer settleTimer;
    QString followed;
    QString absoluteFolder;
    QString watchedAbove;
    bool refusalTold = false;
};

// Lets a test refuse the watch of a folder with a reason of its own; where it gives none, the
// system answers.
inline TestSeam<QString(const QString &folderPath)> watchRefusalSeam;

} // namespace platform
