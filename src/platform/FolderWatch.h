#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/TestSeam.h"

namespace platform {

// Signals once a burst of changes in or of one folder has been quiet for a quarter of a second.
// It also watches the nearest existing folder above, to notice the folder coming back.
class FolderWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int settleMs = 250;

    explicit FolderWatch(QObject *parent = nullptr);

    // Follows this folder in place of the one before, signalling nothing for the change itself.
    void follow(const QString &folderPath);
    QString folderPath() const { return followed; }

signals:
    void settled();
    // Once per folder followed, when the system refuses to watch it.
    void refused(const QString &folderPath, const QString &reason);

private:
    void noticeChange(const QString &path);
    void watchAgain();
    bool watchRefused(const QString &path, QString *reason);
    QString nearestExistingFolderAbove() const;

    QFileSystemWatcher watcher;
    QTimer settleTimer;
    QString followed;
    QString absoluteFolder;
    QString watchedAbove;
    bool refusalTold = false;
};

// Lets a test refuse the watch of a folder with a reason; an empty one leaves it to the system.
inline TestSeam<QString(const QString &folderPath)> watchRefusalSeam;

} // namespace platform
