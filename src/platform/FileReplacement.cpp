#include "platform/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace platform {
namespace {
bool &filesBesideTargetsRefused()
{
    static bool refused = false;
    return refused;
}

// Empty when the existing target may be written; otherwise the system's reason why not.
// Opening it for appending changes nothing in it.
QString reasonTargetIsClosed(const QString &path)
{
    QFile target(path);
    if (target.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return QString();
    return target.errorString();
}

// A write cut short by a full disk or a size limit says so only when it is tried again, so the
// rest is written until everything is out or the system gives its reason. The file is written
// unbuffered, or a buffer would hide that reason.
bool writeAll(QFileDevice &file, const QByteArray &lines)
{
    const QByteArray text = withPlatformLineEnds(lines);
    qint64 written = 0;
    while (written < text.size()) {
        const qint64 now = file.write(text.constData() + written, text.size() - written);
        if (now <= 0)
            return false;
        written += now;
    }
    return true;
}

bool writeInPlace(const QString &path, const QByteArray &text, QString *reason)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
        writeAll(file, text))
        return true;
    *reason = file.errorString();
    return false;
}

// Where the folder takes no file beside the target, as that of an installed game may not, a
// target the player may write is written in place.
bool writeWithoutFileBeside(const QString &path, const QByteArray &text, const QSaveFile &refused,
                            QString *reason)
{
    if (QFileInfo(path).isFile()) {
        *reason = reasonTargetIsClosed(path);
        return reason->isEmpty() && writeInPlace(path, text, reason);
    }
    *reason = filesBesideTargetsRefused() ? qt_error_string(EACCES) : refused.errorString();
    return false;
}
} // namespace

QByteArray withPlatformLineEnds(QByteArray text)
{
#ifdef Q_OS_WIN
    text.replace('\n', "\r\n");
#endif
    return text;
}

bool replaceTextFile(const QString &path, const QByteArray &text, QString *reason)
{
    QSaveFile file(path);
    if (filesBesideTargetsRefused() || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeWithoutFileBeside(path, text, file, reason);
    if (writeAll(file, text) && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

void setFilesBesideTargetsRefused(bool refused)
{
    filesBesideTargetsRefused() = refused;
}

} // namespace platform
