#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// One argument of an Exec key, quoted where needed, before it is escaped as a string; every %
// is doubled, since a lone one would start a field code.
QString desktopEntryExecArgument(const QString &argument);

// A value of a string key as it is written in the file.
QString desktopEntryString(const QString &value);

// Whether a desktop entry can hold the text at all: it has no way to write other control
// characters.
bool desktopEntryCanHold(const QString &value);

// The value of the Exec key that runs the program with these arguments.
QString desktopEntryExec(const QString &program, const QStringList &arguments);

// A desktop entry of type Application that shows `name` and `icon` and runs the program.
QByteArray desktopEntryText(const QString &name, const QString &program,
                            const QStringList &arguments, const QString &icon);

} // namespace platform
