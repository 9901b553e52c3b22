#pragma once

#include <QString>

namespace platform {

// Copies `source` through a file beside `target` that replaces it only once whole, so a failed
// copy leaves nothing half-written.
bool copyFileReplacing(const QString &source, const QString &target, QString *reason);

} // namespace platform
