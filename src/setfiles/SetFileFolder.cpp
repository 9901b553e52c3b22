#include "setfiles/SetFileFolder.h"

#include "platform/ApplicationFolder.h"

#include <QDir>

QString setFileFolderPath()
{
    return platform::toolFileFolders().setFiles + QStringLiteral("/Set Files");
}

QString setFilePath(const QString &fileName)
{
    return setFileFolderPath() + QLatin1Char('/') + fileName;
}

bool makeSetFileFolder()
{
    return QDir().mkpath(setFileFolderPath());
}
