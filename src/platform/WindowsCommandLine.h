#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The arguments as one command line that Windows' own splitting (CommandLineToArgvW, which
// the toolkit uses for a program's arguments) gives back unchanged: an argument that is empty
// or holds a blank or a quote stands in quotes; a quote takes a backslash, and backslashes
// are doubled where a quote follows them.
QString windowsCommandLine(const QStringList &arguments);

} // namespace platform
