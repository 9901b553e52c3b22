#pragma once

#include <QString>

namespace platform {

// True for any existing entry of that path, a folder included; false for the empty text.
bool entryExists(const QString &path);

// True for an existing folder, and for the empty text, which denotes the working folder.
bool folderExists(const QString &path);

} // namespace platform
