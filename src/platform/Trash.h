#pragma once

#include <QString>

namespace platform {

enum class TrashOutcome {
    Trashed,        // in the system's trash, from where it can be brought back
    DeletedForGood, // the system has no trash, so it was deleted outright
    Failed,         // still there; the reason says why
};

// Moves the file into the system's trash; only a system with no trash at all deletes it outright.
TrashOutcome moveToTrash(const QString &path, QString *reason);

} // namespace platform
