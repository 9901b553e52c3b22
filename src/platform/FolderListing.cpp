#include "platform/FolderListing.h"

#include <QDirIterator>

#include <algorithm>
#include <vector>

namespace platform {
namespace {
struct ListedFile {
    QString sortKey;
    QString name;
};
} // namespace

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
// unit, but with each lower case made once instead of at every comparison. The same
// comparisons over the names in the same order give the same order, ties included.
QStringList listPlainFiles(const QString &folderPath)
{
    std::vector<ListedFile> files;
    QDirIterator it(folderPath.isEmpty() ? QStringLiteral(".") : folderPath, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        files.push_back(ListedFile{listingOrderKey(name), std::move(name)});
    }
    std::sort(files.begin(), files.end(),
              [](const ListedFile &a, const ListedFile &b) { return a.sortKey < b.sortKey; });
    QStringList names;
    names.reserve(qsizetype(files.size()));
    for (ListedFile &file : files)
        names.append(std::move(file.name));
    return names;
}

} // namespace platform
