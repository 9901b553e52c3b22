#pragma once

#include "platform/TestSeam.h"

#include <QString>
#include <QStringList>

namespace platform {

struct DetachedStartRequest {
    QString program;
    QStringList arguments;
    QString workingDirectory;
};

struct DetachedStartOutcome {
    bool started = false;
    QString errorText; // the system's reason when the start failed
};

// Starts a program that outlives the tool; no shell is involved.
DetachedStartOutcome startDetached(const DetachedStartRequest &request);

// The real start, bypassing any test handler.
DetachedStartOutcome startDetachedDirectly(const DetachedStartRequest &request);

// Lets a test record starts instead of doing them.
inline TestSeam<DetachedStartOutcome(const DetachedStartRequest &request)> detachedStartSeam;

} // namespace platform
