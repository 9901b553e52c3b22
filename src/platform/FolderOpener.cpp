#include "platform/FolderOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
bool openFolder(const QString &path)
{
    return folderOpenSeam.call(
        [](const QString &folder) {
            return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        },
        path);
}

} // namespace platform
