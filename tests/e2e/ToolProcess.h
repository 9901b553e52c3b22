#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the real tool executable in the X server of the test. The stand-in game it
// starts is told to record its start and exit at once. What the tool prints goes to a file,
// so that a chatty run can never block on a full pipe. A run that is still going when the
// object goes (a failed test) is killed, so nothing is left behind.
class ToolProcess {
public:
    ToolProcess(const QString &executable, const QString &outputFile);
    ~ToolProcess();
    ToolProcess(const ToolProcess &) = delete;
    ToolProcess &operator=(const ToolProcess &) = delete;

    bool start(const QStringList &arguments = {});
    bool waitForExit(QDeadlineTimer deadline);
    bool isRunning() const;
    // The exit status, or -1 while it runs or when it crashed.
    int exitStatus() const;
    // For failure messages: how the run ended and what it printed.
    QString describe() const;

private:
    QProcess process;
    QString outputFile;
};
