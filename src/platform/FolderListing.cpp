#include "platform/FolderListing.h"

#ifdef Q_OS_LINUX
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <QDirIterator>
#endif

#include <algorithm>
#include <tuple>
#include <vector>

namespace platform {
namespace {
#ifdef Q_OS_LINUX
// What QDir::Files keeps: plain files, and links whose target exists and is no folder; not
// folders, nor the FIFOs, sockets and devices that Qt counts as system entries. Only where the
// folder read does not tell a plain file is the entry itself asked.
bool countsAsFile(int folder, const dirent &entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    if (fstatat(folder, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (S_ISREG(status.st_mode))
        return true;
    return S_ISLNK(status.st_mode) && fstatat(folder, entry.d_name, &status, 0) == 0 &&
           !S_ISDIR(status.st_mode);
}

// Reading the folder itself takes a third of the time Qt's folder iterator takes, which makes
// a QFileInfo of every entry; with tens of thousands of mods that is most of the start-up.
QStringList visiblePlainFileNames(const QString &folderPath)
{
    DIR *folder = opendir(QFile::encodeName(folderPath).constData());
    if (!folder)
        return {};
    QStringList names;
    while (const dirent *entry = readdir(folder)) {
        if (entry->d_name[0] != '.' && countsAsFile(dirfd(folder), *entry))
            names.append(QFile::decodeName(entry->d_name));
    }
    closedir(folder);
    return names;
}
#else
QStringList visiblePlainFileNames(const QString &folderPath)
{
    QStringList names;
    QDirIterator it(folderPath, QDir::Files);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
}
#endif

struct ListedFile {
    QString sortKey;
    QString name;
};

// The lower case QString::toLower() gives, made by hand for plain ASCII names, the usual kind of
// mod name, which takes a fraction of the time.
QString listingOrderKey(const QString &name)
{
    QString lower = name;
    for (QChar &character : lower) {
        const char16_t unit = character.unicode();
        if (unit >= 0x80)
            return name.toLower();
        if (unit >= u'A' && unit <= u'Z')
            character = QChar(unit + (u'a' - u'A'));
    }
    return lower;
}

// Sorted as QDir sorts by name ignoring case, by the lower case compared code unit by code
// unit, but with each lower case made once instead of at every comparison. Names of the same
// lower case come in the order of the names themselves, not in the order the folder happened
// to give them, so that listing the folder again never swaps them.
QStringList sortedIgnoringCase(const QStringList &listed)
{
    std::vector<ListedFile> files;
    files.reserve(std::size_t(listed.size()));
    for (const QString &name : listed)
        files.push_back(ListedFile{listingOrderKey(name), name});
    std::sort(files.begin(), files.end(), [](const ListedFile &a, const ListedFile &b) {
        return std::tie(a.sortKey, a.name) < std::tie(b.sortKey, b.name);
    });
    QStringList names;
    names.reserve(listed.size());
    for (ListedFile &file : files)
        names.append(std::move(file.name));
    return names;
}
} // namespace

QStringList listPlainFiles(const QString &folderPath)
{
    return sortedIgnoringCase(
        visiblePlainFileNames(folderPath.isEmpty() ? QStringLiteral(".") : folderPath));
}

bool nameHidesFile(const QString &fileName)
{
#ifdef Q_OS_WIN
    Q_UNUSED(fileName);
    return false;
#else
    return fileName.startsWith(QLatin1Char('.'));
#endif
}

} // namespace platform
