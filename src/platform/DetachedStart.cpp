#include "platform/DetachedStart.h"

#include "platform/SystemReason.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>

namespace platform {
namespace {
#ifdef Q_OS_WIN
constexpr int folderAsProgram = 5; // ERROR_ACCESS_DENIED, what Windows says for a folder
constexpr int notAProgram = 193;   // ERROR_BAD_EXE_FORMAT
#else
constexpr int folderAsProgram = EISDIR;
constexpr int notAProgram = EACCES;
#endif

// The system's words, with the program in place of the "%1" that some of Windows' hold.
QString systemReason(int code, const QString &program)
{
    return qt_error_string(code).replace(QLatin1String("%1"), QDir::toNativeSeparators(program));
}

// A failed start says why only sometimes, so the common reasons are found out beforehand.
QString reasonStartWillFail(const DetachedStartRequest &request)
{
    const QFileInfo program(request.program);
    if (!request.program.contains(QLatin1Char('/')) && !request.program.contains(QLatin1Char('\\')))
        return QString();
    if (!program.exists())
        return reasonFileCannotBeRead(request.program);
    if (program.isDir())
        return systemReason(folderAsProgram, request.program);
    if (!program.isExecutable())
        return systemReason(notAProgram, request.program);
    return QString();
}

} // namespace

DetachedStartOutcome startDetachedDirectly(const DetachedStartRequest &request)
{
    DetachedStartOutcome outcome;
    outcome.errorText = reasonStartWillFail(request);
    if (!outcome.errorText.isEmpty())
        return outcome;
    QProcess process;
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    if (!request.workingDirectory.isEmpty())
        process.setWorkingDirectory(request.workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    outcome.started = process.startDetached();
    if (!outcome.started)
        outcome.errorText = process.errorString();
    return outcome;
}

DetachedStartOutcome startDetached(const DetachedStartRequest &request)
{
    return detachedStartSeam.call(startDetachedDirectly, request);
}

} // namespace platform
