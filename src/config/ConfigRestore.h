#pragma once

class MainWindowForm;
class QWidget;

// Adds "Restore Earlier Version..." to the context menu of the configuration text, after the
// editor's own actions: it lists the kept versions of the configuration file, newest first, and
// puts the chosen one's text into the editor. Nothing is written until "Save Changes". The menu
// opens with the right mouse button, the Menu key and Shift+F10.
void addRestoreEarlierVersion(MainWindowForm &form, QWidget *window);
