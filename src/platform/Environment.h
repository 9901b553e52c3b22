#pragma once

#include <QString>

namespace platform {

// The value of an environment variable, its name matched without regard to case, as on Windows.
QString environmentValue(const QString &name);

} // namespace platform
