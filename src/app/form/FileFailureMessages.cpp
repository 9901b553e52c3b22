#include "app/form/FileFailureMessages.h"

#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"

#include <QCoreApplication>

namespace {
const char *const messages[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Cannot read file %1:\n%2."),
    QT_TRANSLATE_NOOP("MainWindow", "Cannot write file %1:\n%2."),
    QT_TRANSLATE_NOOP("MainWindow", "Cannot delete file %1:\n%2."),
};
} // namespace

void warnFileFailure(QWidget *parent, MessageTitle title, FileFailure failure, const QString &path,
                     const QString &reason)
{
    // One pass over both arguments, so a "%2" inside the path stays as it is.
    platform::showWarning(
        parent, messageTitle(title),
        messageText(messages[int(failure)]).arg(path, platform::reasonInMessage(reason)));
}
