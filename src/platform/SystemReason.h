#pragma once

#include <QString>

namespace platform {

// The system's reason for a failure, ready to stand before the full stop of a message. Windows
// words its reasons as sentences that end in a full stop of their own.
QString reasonInMessage(const QString &reason);

// The system's own words for why the file at `path` cannot be opened for reading.
QString reasonFileCannotBeRead(const QString &path);

// The system's own words for why it refuses to watch the folder at `path`.
QString reasonFolderCannotBeWatched(const QString &path);

} // namespace platform
