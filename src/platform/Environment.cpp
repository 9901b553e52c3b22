#include "platform/Environment.h"

#include <QProcessEnvironment>

namespace platform {

QString environmentValue(const QString &name)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_WIN
    return environment.value(name);
#else
    if (environment.contains(name))
        return environment.value(name);
    const QStringList keys = environment.keys();
    for (const QString &key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return environment.value(key);
    }
    return QString();
#endif
}

} // namespace platform
