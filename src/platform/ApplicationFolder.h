#pragma once

#include <QString>

namespace platform {

// The folder of the tool's own executable, where options.ini and "Set Files" live.
QString applicationDirPath();

// Lets a test stand a folder in for the executable's folder; an empty path ends that.
void setApplicationDirPathOverride(const QString &path);

} // namespace platform
