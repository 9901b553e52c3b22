#include "platform/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace platform {

QByteArray withPlatformLineEnds(QByteArray text)
{
#ifdef Q_OS_WIN
    text.replace('\n', "\r\n");
#endif
    return text;
}

namespace {
bool &filesBesideTargetsRefused()
{
    static bool refused = false;
    return refused;
}

// Empty when the existing target may be written (appending changes nothing); else why not.
QString reasonTargetIsClosed(const QString &path)
{
    QFile target(path);
    if (target.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return QString();
    return target.errorString();
}

// The file is written unbuffered, or a buffer would hide the reason a write fails.
bool writeLines(QFileDevice &file, const QByteArray &lines)
{
    const QByteArray text = withPlatformLineEnds(lines);
    return writeAll(file, text.constData(), text.size());
}

bool writeInPlace(const QString &path, const QByteArray &text, QString *reason)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
        writeLines(file, text))
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

bool replaceTextFile(const QString &path, const QByteArray &text, QString *reason)
{
    QSaveFile file(path);
    if (filesBesideTargetsRefused() || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeWithoutFileBeside(path, text, file, reason);
    if (writeLines(file, text) && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

bool writeAll(QFileDevice &file, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

void setFilesBesideTargetsRefused(bool refused)
{
    filesBesideTargetsRefused() = refused;
}

} // namespace platform
