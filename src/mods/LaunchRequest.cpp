#include "mods/LaunchRequest.h"

#include "app/state/AppState.h"
#include "mods/ModSelectionText.h"

#include <QDir>
#include <QProcess>

namespace {
qsizetype lastSeparator(const QString &path)
{
    qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    separator = qMax(separator, path.lastIndexOf(QLatin1Char('\\')));
#endif
    return separator;
}

bool isFileSystemTop(const QString &folder)
{
#ifdef Q_OS_WIN
    if (folder.size() == 2 && folder.at(1) == QLatin1Char(':'))
        return true;
#endif
    return folder.isEmpty();
}

// The file the start-up check found; a bare relative path would be searched for on PATH. Nothing
// is cleaned away: the system resolves ".." after a symbolic link as the check did.
QString programAsChecked(const QString &exePath)
{
    return exePath.isEmpty() ? exePath : QDir::current().absoluteFilePath(exePath);
}
} // namespace

QString gameWorkingFolder(const QString &exePath)
{
    const qsizetype separator = lastSeparator(exePath);
    if (separator < 0)
        return QString();
    const QString folder = exePath.left(separator);
    return isFileSystemTop(folder) ? exePath.left(separator + 1) : folder;
}

platform::DetachedStartRequest buildLaunchRequest()
{
    const AppState &state = appState();
    platform::DetachedStartRequest request;
    request.program = programAsChecked(state.exePath);
    request.arguments = composeModArgumentList() + QProcess::splitCommand(state.otherCommands);
    request.workingDirectory = gameWorkingFolder(state.exePath);
    return request;
}
