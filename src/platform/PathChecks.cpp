#include "platform/PathChecks.h"

#include <QDir>
#include <QFile>

namespace platform {

bool entryExists(const QString &path)
{
    return QFile::exists(path);
}

bool folderExists(const QString &path)
{
    return QDir(path).exists();
}

} // namespace platform
