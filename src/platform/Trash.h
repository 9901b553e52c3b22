#pragma once

#include <QString>

namespace platform {

enum class TrashOutcome {
    Trashed,        // in the system's trash, from where it can be brought back
    DeletedForGood, // the system has no trash, so it was deleted outright
    Failed,         // still there; the reason says why
};

// Moves the file into the system's trash. Only where the system has no trash is the file deleted
// outright: on Linux when the home trash's folder (Trash in the user's data folder) can neither
// be found nor made; on Windows when the system has no recycling at all (it answers that the
// operation is not implemented), where a volume without a recycle bin is the system's own affair.
// Any other failure leaves the file where it is, with the system's reason in `reason`.
TrashOutcome moveToTrash(const QString &path, QString *reason);

} // namespace platform
