#pragma once

#include <QString>

namespace platform {

// The value of an environment variable, empty when it is not set. Names match without
// regard to case, as they do on Windows, so "homedrive" finds HOMEDRIVE everywhere.
QString environmentValue(const QString &name);

} // namespace platform
