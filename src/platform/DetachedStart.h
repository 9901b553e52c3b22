#pragma once

#include <QString>
#include <QStringList>

#include <functional>

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

// Starts a program that outlives the tool. No shell is involved: every argument reaches
// the program exactly as given.
DetachedStartOutcome startDetached(const DetachedStartRequest &request);

// The real start, bypassing any test handler.
DetachedStartOutcome startDetachedDirectly(const DetachedStartRequest &request);

using DetachedStartHandler = std::function<DetachedStartOutcome(const DetachedStartRequest &)>;

// Lets a test record starts instead of doing them; an empty handler restores the real start.
void setDetachedStartHandler(DetachedStartHandler handler);

} // namespace platform
