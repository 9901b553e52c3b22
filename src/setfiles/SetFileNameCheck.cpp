#include "setfiles/SetFileNameCheck.h"

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
    // A leading dot would also make a hidden file that the set-file list never shows.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    return std::none_of(name.cbegin(), name.cend(), isForbiddenCharacter);
}
