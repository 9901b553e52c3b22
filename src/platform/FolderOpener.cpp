#include "platform/FolderOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {
FolderOpenHandler &handler()
{
    static FolderOpenHandler current;
    return current;
}
} // namespace

bool openFolder(const QString &path)
{
    if (handler())
        return handler()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setFolderOpenHandler(FolderOpenHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
