#include "platform/SystemReason.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace platform {

QString reasonInMessage(const QString &reason)
{
    QString text = reason.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString reasonFileCannotBeRead(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.errorString();
}

// Qt's watcher gives no reason for a refusal, so the system is asked again with a watch of its own.
QString reasonFolderCannotBeWatched(const QString &path)
{
#ifdef Q_OS_LINUX
    int error = 0;
    const int probe = inotify_init1(IN_CLOEXEC);
    if (probe < 0) {
        error = errno;
    } else {
        if (inotify_add_watch(probe, QFile::encodeName(path).constData(), IN_CREATE) < 0)
            error = errno;
        close(probe);
    }
    // Linux words its limit on watches as "No space left on device", which sends one to the disk.
    if (error == ENOSPC)
        return QCoreApplication::translate("MainWindow",
                                           "The system's limit on watched folders is reached");
    if (error != 0)
        return qt_error_string(error);
#else
    Q_UNUSED(path);
#endif
    return QCoreApplication::translate("MainWindow", "The system refused to watch it");
}

} // namespace platform
