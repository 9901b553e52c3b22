#pragma once

#include <QString>

namespace platform {

// The folder of the tool's own executable, where options.ini and "Set Files" live.
QString applicationDirPath();

// The same folder, found without the application object: for work that begins before it is
// made. Empty where the system does not say.
QString applicationDirPathBeforeStart();

// Lets a test stand a temporary folder in for the executable's folder; an empty path
// goes back to the real one.
void setApplicationDirPathOverride(const QString &path);

} // namespace platform
