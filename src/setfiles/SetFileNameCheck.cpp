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
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(name.cbegin(), name.cend(), isForbiddenCharacter);
}
