#pragma once

class MainWindowForm;
class QString;
class QWidget;

// Adds "Create Desktop Shortcut", for the current set, to the context menu of the set-file list.
void addSetShortcutAction(MainWindowForm &form, QWidget *window);

// Makes the desktop shortcut of this set, asking before it replaces one.
void createSetShortcut(QWidget *window, const QString &setFileName);
