#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace platform {

// Makes `text`, encoded and with "\n" for every line end, the whole content of the file at
// `path`, with the platform's line ends on disk. Where the folder allows it, the text goes to a
// temporary file beside the target that takes its place on commit, so a crash or a full disk
// never leaves half a file behind. Where the folder takes no file beside the target but the
// target itself may be written, as a configuration file inside an installed game can be, the
// target is written in place. On failure `reason` holds the system's reason.
bool replaceTextFile(const QString &path, const QByteArray &text, QString *reason);

// Writes all `size` bytes at `data` to the open file. A write cut short by a full disk or a size
// limit says so only when it is tried again, so the rest is written until everything is out or
// the system gives its reason, which the file's errorString() then holds.
bool writeAll(QFileDevice &file, const char *data, qint64 size);

// The bytes replaceTextFile() puts on disk for `text`.
QByteArray withPlatformLineEnds(QByteArray text);

// Lets a test stand in for a folder that takes no new file beside its targets.
void setFilesBesideTargetsRefused(bool refused);

} // namespace platform
