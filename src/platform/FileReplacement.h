#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace platform {

// Makes `text` the whole content of the file at `path`, with the platform's line ends. It goes
// through a file beside the target where the folder allows, so a crash never leaves half a
// file; otherwise (a game's folder may take no new file) the target is written in place.
bool replaceTextFile(const QString &path, const QByteArray &text, QString *reason);

// Writes all `size` bytes: a write cut short by a full disk says why only when tried again.
bool writeAll(QFileDevice &file, const char *data, qint64 size);

// The bytes replaceTextFile() puts on disk for `text`.
QByteArray withPlatformLineEnds(QByteArray text);

// Lets a test stand in for a folder that takes no new file beside its targets.
void setFilesBesideTargetsRefused(bool refused);

} // namespace platform
