#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The arguments as one command line that CommandLineToArgvW splits back unchanged.
QString windowsCommandLine(const QStringList &arguments);

} // namespace platform
