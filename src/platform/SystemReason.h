#pragma once

#include <QString>

namespace platform {

// The system's reason for a failure, ready to stand before the full stop of a message. Windows
// words its reasons as sentences that end in a full stop of their own.
QString reasonInMessage(const QString &reason);

} // namespace platform
