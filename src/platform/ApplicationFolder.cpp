#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {
namespace {
QString &overridePath()
{
    static QString path;
    return path;
}

// Where the running executable lies, asked of the system as the application object asks it and
// freed of links and short names as it is, so that both name the folder alike.
QString executableFilePath()
{
#if defined(Q_OS_LINUX)
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
#elif defined(Q_OS_WIN)
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return QString();
        if (length < path.size())
            return QFileInfo(QString::fromWCharArray(path.data(), int(length))).canonicalFilePath();
        path.resize(path.size() * 2);
    }
#else
    return QString();
#endif
}
} // namespace

QString applicationDirPath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

QString applicationDirPathBeforeStart()
{
    if (!overridePath().isEmpty())
        return overridePath();
    const QString executable = executableFilePath();
    return executable.isEmpty() ? QString() : QFileInfo(executable).absolutePath();
}

void setApplicationDirPathOverride(const QString &path)
{
    overridePath() = path;
}

} // namespace platform
