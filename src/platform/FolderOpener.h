#pragma once

#include <QString>

#include <functional>

namespace platform {

// Opens the folder with the desktop's own opener, its file manager; false when the desktop
// cannot open it.
bool openFolder(const QString &path);

using FolderOpenHandler = std::function<bool(const QString &path)>;

// Lets a test record the folders instead of opening them; an empty handler restores the real
// opener.
void setFolderOpenHandler(FolderOpenHandler handler);

} // namespace platform
