#pragma once

#include <QSignalSpy>
#include <QString>

class QObject;

// Counts the tool's listings of the folders it follows, from its making on, so that a test can
// wait for the listing that follows a change on disk.
class Relistings {
public:
    explicit Relistings(QObject *window);

    int of(const QString &folder) const;
    // Waits until the folder has been listed that many times.
    bool waitFor(const QString &folder, int count = 1, int timeoutMs = 20000);

private:
    QSignalSpy spy;
};
