#pragma once

#include <QString>
#include <QStringList>

// The tool's one option of its own, --launch NAME, read from the arguments the application
// object left after taking its own. Every other argument is ignored, as it is without the
// option, so a toolkit option before or after --launch keeps working.
struct LaunchOption {
    // -h, --help or --help-all was given.
    bool helpWanted = false;
    // -v or --version was given.
    bool versionWanted = false;
    // --launch was given, with a name or without one.
    bool requested = false;
    QString setName;
    // Why the option cannot be followed: no name, or given more than once. Empty when it can.
    QString mistake;
};

LaunchOption readLaunchOption(const QStringList &arguments);

// Shows how to use the options, --help-all with the toolkit's own as well, and ends the
// process with status 0. A program with a window has no console on Windows, so there the
// usage comes in a box.
[[noreturn]] void showUsage(const QStringList &arguments);

// Shows the tool's name and version, in a box on Windows as the usage is, and ends the process
// with status 0.
[[noreturn]] void showVersion(const QStringList &arguments);

// Shows the usage or the version and ends the process when the command line asks for either;
// otherwise returns. Runs before the application object, which would want a display.
void answerUsageOrVersion(int &argc, char **argv);
