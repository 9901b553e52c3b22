#pragma once

#include <QString>

namespace platform {

// The system's reason for a failure, ready to stand before the full stop of a message. Windows
// words its reasons as sentences that end in a full stop of their own.
QString reasonInMessage(const QString &reason);

// The system's own words for why the file at `path` cannot be opened for reading, such as why
// nothing is there: no such entry, or a file in the way of a folder. The words differ between
// systems.
QString reasonFileCannotBeRead(const QString &path);

// The system's own words for why it refuses to tell of changes in the folder at `path`, such
// as a limit on the folders watched; a plain statement of the refusal where it gives none.
QString reasonFolderCannotBeWatched(const QString &path);

} // namespace platform
