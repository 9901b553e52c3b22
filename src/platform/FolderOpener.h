#pragma once

#include "platform/TestSeam.h"

#include <QString>

namespace platform {

// Opens the folder with the desktop's own opener, its file manager; false when the desktop
// cannot open it.
bool openFolder(const QString &path);

// Lets a test record the folders instead of opening them.
inline TestSeam<bool(const QString &path)> folderOpenSeam;

} // namespace platform
