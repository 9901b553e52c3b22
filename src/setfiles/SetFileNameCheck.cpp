#include "setfiles/SetFileNameCheck.h"

#include "platform/FolderListing.h"

#include <QString>

#include <algorithm>

namespace {
bool isForbiddenCharacter(QChar ch)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    return forbidden.contains(ch) || ch.category() == QChar::Other_Control;
}
} // namespace

bool isUsableSetFileName(const QString &name)
{
    // A hidden file would be a set that the set-file list never shows.
    if (name.isEmpty() || platform::nameHidesFile(name + QStringLiteral(".set")))
        return false;
    return std::none_of(name.cbegin(), name.cend(), isForbiddenCharacter);
}
