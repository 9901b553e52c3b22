#include "platform/SystemReason.h"

#include <QFile>

namespace platform {

QString reasonInMessage(const QString &reason)
{
    QString text = reason.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString reasonFileCannotBeRead(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.errorString();
}

} // namespace platform
