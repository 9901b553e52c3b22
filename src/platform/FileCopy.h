#pragma once

#include <QString>

namespace platform {

// Copies the file at `source` to `target`, a chunk at a time, into a temporary file beside the
// target that takes the target's place only once the whole file is there: a copy that fails
// leaves nothing half-written behind and a file already at `target` whole. The source is only
// read. On failure `reason` holds the system's reason.
bool copyFileReplacing(const QString &source, const QString &target, QString *reason);

} // namespace platform
