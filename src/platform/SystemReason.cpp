#include "platform/SystemReason.h"

namespace platform {

QString reasonInMessage(const QString &reason)
{
    QString text = reason.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace platform
