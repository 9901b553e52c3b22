#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A shortcut on the user's desktop that starts this tool with some arguments: on Linux a
// desktop entry, on Windows a shell link.
struct ToolShortcut {
    // What the desktop shows under the icon; the file is named after it.
    QString title;
    QStringList arguments;
};

// Where the shortcut of this title lies, in the user's desktop folder.
QString desktopShortcutPath(const QString &title);

// Whether anything stands at the path, also a shortcut that leads nowhere.
bool desktopShortcutExists(const QString &path);

// Writes the shortcut to `path`, replacing what is there, and makes the folder if need be.
bool writeToolShortcut(const ToolShortcut &shortcut, const QString &path, QString *reason);

} // namespace platform
