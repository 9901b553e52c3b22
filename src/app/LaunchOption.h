#pragma once

#include <QString>
#include <QStringList>

// The tool's one option of its own, --launch NAME; every other argument is ignored, so a
// toolkit option before or after --launch keeps working.
struct LaunchOption {
    bool helpWanted = false;
    bool versionWanted = false;
    bool requested = false;
    QString setName;
    // Why the option cannot be followed: no name, or given more than once. Empty when it can.
    QString mistake;
};

LaunchOption readLaunchOption(const QStringList &arguments);

// Shows the usage and ends the process with status 0; on Windows, with no console, in a box.
[[noreturn]] void showUsage(const QStringList &arguments);

// Shows the tool's name and version, in a box on Windows as the usage is, and ends the process
// with status 0.
[[noreturn]] void showVersion(const QStringList &arguments);

// Shows the usage or the version and ends the process when the command line asks for either;
// otherwise returns. Runs before the application object, which would want a display.
void answerUsageOrVersion(int &argc, char **argv);
