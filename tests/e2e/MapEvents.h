#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>

// Watches the X server from outside for windows being mapped: xev listens to the root window's
// children, so that even a window that shows for a moment is seen. Before it counts, a short
// window of xmessage proves that the watch sees what is mapped.
class MapEvents {
public:
    explicit MapEvents(const QString &logFile);
    ~MapEvents();
    MapEvents(const MapEvents &) = delete;
    MapEvents &operator=(const MapEvents &) = delete;

    // False when the watch did not see the proof window before the deadline.
    bool startWatching(QDeadlineTimer deadline);
    // Windows mapped since the watch began.
    int mappedWindows() const;

private:
    int mapEventsSoFar() const;

    QString logFile;
    QProcess watcher;
    int before = 0;
};
