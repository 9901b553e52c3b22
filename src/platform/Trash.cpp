#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {
namespace {
// Without the home trash's folder, Qt would take the working folder for the trash, so the folder
// is made first; where even that fails, the user has no trash.
bool systemHasTrash()
{
#ifdef Q_OS_UNIX
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return !dataFolder.isEmpty() && QDir().mkpath(dataFolder + QStringLiteral("/Trash"));
#else
    return true;
#endif
}

bool failedForWantOfTrash([[maybe_unused]] const QString &reason)
{
#ifdef Q_OS_WIN
    return reason == qt_error_string(int(E_NOTIMPL));
#else
    return false;
#endif
}

TrashOutcome deleteForGood(QFile &file, QString *reason)
{
    if (file.remove())
        return TrashOutcome::DeletedForGood;
    *reason = file.errorString();
    return TrashOutcome::Failed;
}
} // namespace

TrashOutcome moveToTrash(const QString &path, QString *reason)
{
    QFile file(path);
    if (!systemHasTrash())
        return deleteForGood(file, reason);
    if (file.moveToTrash())
        return TrashOutcome::Trashed;
    const QString trashReason = file.errorString();
    if (failedForWantOfTrash(trashReason)) {
        QFile again(path);
        return deleteForGood(again, reason);
    }
    *reason = trashReason;
    return TrashOutcome::Failed;
}

} // namespace platform
