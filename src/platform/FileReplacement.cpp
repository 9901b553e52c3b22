#include "platform/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {
// A target file it may not write is refused before anything is tried, in words that repeat the
// path. Opening the target for appending changes nothing in it and gives the system's own
// reason for the same refusal.
QString systemReason(const QSaveFile &file)
{
    const QFileInfo info(file.fileName());
    QFile target(file.fileName());
    if (info.exists() && !info.isDir() &&
        !target.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return target.errorString();
    return file.errorString();
}
} // namespace

bool openForReplacing(QSaveFile &file, QString *reason)
{
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text))
        return true;
    *reason = systemReason(file);
    return false;
}

} // namespace platform
