#pragma once

#include <QString>

namespace platform {

// The folder of the tool's own executable.
QString applicationDirPath();

// Lets a test stand a folder in for the executable's folder; an empty path ends that.
void setApplicationDirPathOverride(const QString &path);

// Where the tool keeps its own files: options.ini in `options`, the folder "Set Files" in
// `setFiles`. A folder of the player's own (the build folder, an install into a folder, the
// portable zip) keeps them beside the executable. An installed package (the Debian package, the
// Windows setup) marks itself with a file it installs, and then each player's files live in that
// player's own folders: on Linux the XDG configuration and data folders, on Windows the roaming
// application data. Write permission decides nothing, since root may write anywhere.
struct ToolFileFolders {
    QString options;
    QString setFiles;
};
ToolFileFolders toolFileFolders();

} // namespace platform
