#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {
QString &overridePath()
{
    static QString path;
    return path;
}

#ifdef Q_OS_WIN
// Qt names the roaming folder only with the application's own name below it; the folder above
// is %APPDATA%, whatever the application calls itself.
QString playerFolder()
{
    const QString roaming =
        QFileInfo(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).path();
    return roaming + QStringLiteral("/Varnhold Mod Manager");
}
#endif

// The file an installed package puts down, relative to the executable's folder: on Linux in the
// package's own data folder, since /usr/bin holds programs only.
QString installedLayoutMarker()
{
#ifdef Q_OS_WIN
    return QStringLiteral("installed-layout");
#else
    return QStringLiteral("../share/varnhold-mod-manager/installed-layout");
#endif
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

ToolFileFolders toolFileFolders()
{
    const QString executableFolder = applicationDirPath();
    if (!QFileInfo::exists(executableFolder + QLatin1Char('/') + installedLayoutMarker()))
        return ToolFileFolders{executableFolder, executableFolder};
#ifdef Q_OS_WIN
    return ToolFileFolders{playerFolder(), playerFolder()};
#else
    const QString name = QStringLiteral("/varnhold-mod-manager");
    return ToolFileFolders{
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + name,
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + name};
#endif
}

} // namespace platform
