#include "MapEvents.h"

#include <QFile>

MapEvents::MapEvents(const QString &logFile)
    : logFile(logFile)
{
    watcher.setStandardOutputFile(logFile);
    watcher.setStandardErrorFile(QProcess::nullDevice());
    // Line-buffered, so that every event is in the file when it happens.
    watcher.start(QStringLiteral(VMM_STDBUF),
                  {QStringLiteral("-oL"), QStringLiteral(VMM_XEV), QStringLiteral("-root"),
                   QStringLiteral("-event"), QStringLiteral("substructure")});
}

MapEvents::~MapEvents()
{
    watcher.kill();
    watcher.waitForFinished(5000);
}

int MapEvents::mapEventsSoFar() const
{
    QFile log(logFile);
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    return int(log.readAll().count("MapNotify event"));
}

bool MapEvents::startWatching(QDeadlineTimer deadline)
{
    if (!watcher.waitForStarted(int(qMax<qint64>(1, deadline.remainingTime()))))
        return false;
    const int earlier = mapEventsSoFar();
    const QStringList proofArguments{QStringLiteral("-timeout"), QStringLiteral("1"),
                                     QStringLiteral("watching")};
    QProcess proof;
    proof.start(QStringLiteral(VMM_XMESSAGE), proofArguments);
    while (mapEventsSoFar() == earlier) {
        if (deadline.hasExpired())
            return false;
        // The watch may have begun only after the proof window came; then it needs another.
        if (proof.waitForFinished(50) || proof.state() == QProcess::NotRunning)
            proof.start(QStringLiteral(VMM_XMESSAGE), proofArguments);
    }
    proof.waitForFinished(int(qMax<qint64>(1, deadline.remainingTime())));
    before = mapEventsSoFar();
    return true;
}

int MapEvents::mappedWindows() const
{
    return mapEventsSoFar() - before;
}
