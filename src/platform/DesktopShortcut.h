#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A shortcut on the user's desktop that starts this tool with some arguments: on Linux a
// desktop entry, on Windows a shell link. It runs the tool's executable by its absolute path,
// in the tool's folder, and shows the tool's icon.
struct ToolShortcut {
    // What the desktop shows under the icon; the file is named after it.
    QString title;
    QStringList arguments;
};

// Where the shortcut of this title lies: in the user's desktop folder (on Linux the one that
// XDG_DESKTOP_DIR in user-dirs.dirs names).
QString desktopShortcutPath(const QString &title);

// Whether anything stands at the path, also a shortcut that leads nowhere.
bool desktopShortcutExists(const QString &path);

// Writes the shortcut to `path`, replacing what is there, and makes the folder when the
// desktop has none yet. On failure `reason` holds the system's reason.
bool writeToolShortcut(const ToolShortcut &shortcut, const QString &path, QString *reason);

} // namespace platform
