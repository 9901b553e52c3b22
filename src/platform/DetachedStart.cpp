#include "platform/DetachedStart.h"

#include "platform/SystemReason.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {
namespace {
DetachedStartHandler &handler()
{
    static DetachedStartHandler current;
    return current;
}

// QProcess does not always say why a detached start failed, so the common reasons are
// found out beforehand to give the user a useful message.
QString reasonStartWillFail(const DetachedStartRequest &request)
{
    const QFileInfo program(request.program);
    if (request.program.contains(QLatin1Char('/')) || request.program.contains(QLatin1Char('\\'))) {
        if (!program.exists())
            return reasonFileCannotBeRead(request.program);
        if (program.isDir())
            return QStringLiteral("Is a directory");
        if (!program.isExecutable())
            return QStringLiteral("Permission denied");
    }
    if (!request.workingDirectory.isEmpty() && !QDir(request.workingDirectory).exists())
        return QStringLiteral("The working folder %1 does not exist").arg(request.workingDirectory);
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
    if (!outcome.started) {
        outcome.errorText = process.errorString();
        if (outcome.errorText.isEmpty())
            outcome.errorText = QStringLiteral("The program could not be started");
    }
    return outcome;
}

DetachedStartOutcome startDetached(const DetachedStartRequest &request)
{
    if (handler())
        return handler()(request);
    return startDetachedDirectly(request);
}

void setDetachedStartHandler(DetachedStartHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
