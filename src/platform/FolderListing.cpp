#include "platform/FolderListing.h"

#ifdef Q_OS_LINUX
#include "platform/ListingOrder.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <QDir>
#endif

namespace platform {

#ifdef Q_OS_LINUX
namespace {
// A link counts when its target exists and is no folder, whatever else it may be.
bool linkCounts(int folder, const char *name)
{
    struct stat target {};
    return fstatat(folder, name, &target, 0) == 0 && !S_ISDIR(target.st_mode);
}

bool countsAsFile(int folder, const char *name, unsigned char type)
{
    switch (type) {
    case DT_REG:
        return true;
    case DT_LNK:
        return linkCounts(folder, name);
    case DT_UNKNOWN: {
        struct stat entry {};
        if (fstatat(folder, name, &entry, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        return S_ISREG(entry.st_mode) || (S_ISLNK(entry.st_mode) && linkCounts(folder, name));
    }
    default:
        // Folders, and sockets, FIFOs and devices, which Qt counts as system entries.
        return false;
    }
}

bool isHidden(const char *name)
{
    return name[0] == '.';
}

} // namespace

QStringList listPlainFiles(const QString &folderPath, EntryTypes types)
{
    const QString path = folderPath.isEmpty() ? QStringLiteral(".") : folderPath;
    DIR *folder = opendir(QFile::encodeName(path).constData());
    if (!folder)
        return {};
    ListingOrder names;
    while (const dirent *entry = readdir(folder)) {
        if (isHidden(entry->d_name))
            continue;
        const unsigned char type = types == EntryTypes::FromFolderRead
                                       ? entry->d_type
                                       : static_cast<unsigned char>(DT_UNKNOWN);
        if (!countsAsFile(dirfd(folder), entry->d_name, type))
            continue;
        names.add(entry->d_name);
    }
    closedir(folder);
    return names.takeSorted();
}
#else
QStringList listPlainFiles(const QString &folderPath, EntryTypes)
{
    return QDir(folderPath).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}
#endif

} // namespace platform
