#pragma once

class MainWindowForm;
class QWidget;

// Adds "Open Folder" to the context menus of the four lists, for each list's folder.
void addOpenFolderActions(MainWindowForm &form, QWidget *window);
