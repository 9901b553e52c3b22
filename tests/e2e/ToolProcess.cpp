#include "ToolProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

ToolProcess::ToolProcess(const QString &executable, const QString &outputFile)
    : outputFile(outputFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("VARNHOLD_STANDIN_NO_WINDOW"), QStringLiteral("1"));
    // Any warning of Qt's ends the run, so that a test sees it (such as an application object
    // made outside the thread Qt took for the main one). The per-user runtime folder Qt asks
    // for is given, as a desktop session would.
    environment.insert(QStringLiteral("QT_FATAL_WARNINGS"), QStringLiteral("1"));
    const QString runtimeFolder = QFileInfo(outputFile).absolutePath() + QStringLiteral("/runtime");
    QDir().mkpath(runtimeFolder);
    QFile::setPermissions(runtimeFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    process.setProcessEnvironment(environment);
    process.setProgram(executable);
    process.setWorkingDirectory(QFileInfo(executable).absolutePath());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(outputFile, QIODevice::Append);
}

ToolProcess::~ToolProcess()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(5000);
}

bool ToolProcess::start(const QStringList &arguments)
{
    process.setArguments(arguments);
    process.start();
    return process.waitForStarted(30000);
}

bool ToolProcess::waitForExit(QDeadlineTimer deadline)
{
    if (process.state() == QProcess::NotRunning)
        return true;
    return process.waitForFinished(int(qMax<qint64>(1, deadline.remainingTime())));
}

bool ToolProcess::isRunning() const
{
    return process.state() != QProcess::NotRunning;
}

int ToolProcess::exitStatus() const
{
    if (isRunning() || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

QString ToolProcess::describe() const
{
    QString state;
    if (isRunning())
        state = QStringLiteral("still running");
    else if (process.exitStatus() == QProcess::CrashExit)
        state = QStringLiteral("crashed");
    else
        state = QStringLiteral("ended with status %1").arg(process.exitCode());
    QFile output(outputFile);
    const QString printed =
        output.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(output.readAll()) : QString();
    return QStringLiteral("the tool %1; its output:\n%2").arg(state, printed);
}
