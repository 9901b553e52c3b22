#pragma once

class MainWindowForm;
class QWidget;

// Adds "Open Folder" to the context menus of the three mod lists, for the list's subfolder of the
// mod folder in use, and of the set-file list, for the "Set Files" folder; the desktop's file
// manager shows the folder.
void addOpenFolderActions(MainWindowForm &form, QWidget *window);
