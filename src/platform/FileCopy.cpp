#include "platform/FileCopy.h"

#include "platform/FileReplacement.h"

#include <QFile>
#include <QSaveFile>

namespace platform {
namespace {
constexpr qint64 chunkSize = 1 << 20;
} // namespace

bool copyFileReplacing(const QString &source, const QString &target, QString *reason)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *reason = in.errorString();
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        *reason = out.errorString();
        return false;
    }
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(chunk.data(), chunkSize);
        if (read < 0) {
            *reason = in.errorString();
            return false;
        }
        if (read == 0)
            break;
        if (!writeAll(out, chunk.constData(), read)) {
            *reason = out.errorString();
            return false;
        }
    }
    if (out.commit())
        return true;
    *reason = out.errorString();
    return false;
}

} // namespace platform
