#include "platform/ApplicationFolder.h"

#include <QCoreApplication>

namespace platform {
namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString applicationDirPath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void setApplicationDirPathOverride(const QString &path)
{
    overridePath() = path;
}

} // namespace platform
