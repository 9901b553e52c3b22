#pragma once

class MainWindowForm;
class QListWidgetItem;
class QWidget;

// Appends one item per listed set file; callers that refill the list clear it first.
void populateSetFileList(MainWindowForm &form);
// Records the list's new current item as the chosen set file; no item means none is chosen.
void showChosenSetFile(MainWindowForm &form, QListWidgetItem *current);
// Ticks the mods the chosen set file names and takes its other options. Loading only ticks.
// False when no set file is chosen or it cannot be read, which it reports.
bool loadChosenSetFile(MainWindowForm &form, QWidget *window);
void deleteChosenSetFile(MainWindowForm &form, QWidget *window);
// Replaces the chosen set file with the current selection; a vanished file is not recreated.
void saveChosenSetFile(MainWindowForm &form, QWidget *window);
