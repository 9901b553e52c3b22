#include "platform/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {
// A target file it may not write is refused before anything is tried, in words that repeat the
// path. Opening the target for appending changes nothing in it and gives the system's own
// reason for the same refusal.
QString systemReason(const QSaveFile &file)
{
    const QFileInfo info(file.fileName());
    QFile target(file.fileName());
    if (info.exists() && !info.isDir() &&
        !target.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return target.errorString();
    return file.errorString();
}

QByteArray withPlatformLineEnds(QByteArray text)
{
#ifdef Q_OS_WIN
    text.replace('\n', "\r\n");
#endif
    return text;
}

bool holdsExactly(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    return file.readAll() == bytes && file.error() == QFileDevice::NoError;
}

// Through a temporary file beside the target where the folder allows one, otherwise in place.
bool openForReplacing(QSaveFile &file, QString *reason)
{
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text))
        return true;
    *reason = systemReason(file);
    return false;
}
} // namespace

bool replaceTextFile(const QString &path, const QByteArray &text, QString *reason)
{
    if (holdsExactly(path, withPlatformLineEnds(text)))
        return true;
    QSaveFile file(path);
    if (!openForReplacing(file, reason))
        return false;
    if (file.write(text) != text.size() || !file.flush() || !file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
