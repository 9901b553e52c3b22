#pragma once

class MainWindowForm;
class QString;
class QWidget;

// Adds "Create Desktop Shortcut" to the context menu of the set-file list: it puts a shortcut
// on the user's desktop that starts the current set without showing the window. The action
// is disabled while no set is current.
void addSetShortcutAction(MainWindowForm &form, QWidget *window);

// Makes the desktop shortcut of the set file of this name, after asking whether to replace
// one that is there already; a failure is reported.
void createSetShortcut(QWidget *window, const QString &setFileName);
