#include "setfiles/SetFileWarnings.h"

#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"

#include <QString>

namespace {
void warnAboutFile(QWidget *window, const QString &text, const QString &path, const QString &reason)
{
    // One pass over both arguments, so a "%2" inside the path stays as it is.
    platform::showWarning(window, QStringLiteral("Halvane v5"),
                          text.arg(path, platform::reasonInMessage(reason)));
}
} // namespace

void warnCannotReadSetFile(QWidget *window, const QString &path, const QString &reason)
{
    warnAboutFile(window, QStringLiteral("Cannot read file %1:\n%2."), path, reason);
}

void warnCannotWriteSetFile(QWidget *window, const QString &path, const QString &reason)
{
    warnAboutFile(window, QStringLiteral("Cannot write file %1:\n%2."), path, reason);
}

void warnCannotDeleteSetFile(QWidget *window, const QString &path, const QString &reason)
{
    warnAboutFile(window, QStringLiteral("Cannot delete file %1:\n%2."), path, reason);
}

void warnUnusableSetFileName(QWidget *window, const QString &name)
{
    platform::showWarning(window, QStringLiteral("Create Set File"),
                          QStringLiteral("\"%1\" cannot be used as a set file name.").arg(name));
}
