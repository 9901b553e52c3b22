#include "SystemReasons.h"

#include "platform/SystemReason.h"

#include <QDir>

namespace reasons {

#ifdef Q_OS_WIN
namespace {
// Qt words Windows error codes through the system, in the system's language.
QString windowsReason(int code)
{
    return qt_error_string(code);
}
constexpr int errorFileNotFound = 2;
constexpr int errorPathNotFound = 3;
constexpr int errorAccessDenied = 5;
} // namespace

QString belowRegularFile()
{
    return windowsReason(errorPathNotFound);
}

QString missingFile()
{
    return windowsReason(errorFileNotFound);
}

QString missingFolder()
{
    return windowsReason(errorPathNotFound);
}

QString folderOpenedAsFile()
{
    return windowsReason(errorAccessDenied);
}

QString folderDeleted()
{
    return windowsReason(errorAccessDenied);
}

QString folderStarted()
{
    return windowsReason(errorAccessDenied);
}

QString notAProgram(const QString &path)
{
    constexpr int errorBadExeFormat = 193;
    return windowsReason(errorBadExeFormat)
        .replace(QStringLiteral("%1"), QDir::toNativeSeparators(path));
}
#else
QString belowRegularFile()
{
    return QStringLiteral("Not a directory");
}

QString missingFile()
{
    return QStringLiteral("No such file or directory");
}

QString missingFolder()
{
    return QStringLiteral("No such file or directory");
}

QString folderOpenedAsFile()
{
    return QStringLiteral("file to open is a directory");
}

QString folderDeleted()
{
    return QStringLiteral("Is a directory");
}

QString folderStarted()
{
    return QStringLiteral("Is a directory");
}

QString notAProgram(const QString &)
{
    return QStringLiteral("Permission denied");
}
#endif

QString inMessage(const QString &reason)
{
    return platform::reasonInMessage(reason);
}

} // namespace reasons
