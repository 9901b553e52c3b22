#pragma once

#include <QStringList>

class MainWindowForm;
class QListWidgetItem;
class QWidget;

// Appends one item per listed set file; callers that refill the list clear it first.
void populateSetFileList(MainWindowForm &form);
// Shows a new listing of the set-file folder: vanished sets disappear and new ones appear at
// their listed place. The chosen set stays chosen while it is listed; when it vanished, no set
// is chosen any more.
void relistSetFileList(MainWindowForm &form, const QStringList &listed);
// Records the list's new current item as the chosen set file; no item means none is chosen.
void showChosenSetFile(MainWindowForm &form, QListWidgetItem *current);
// Ticks the mods the chosen set file names and takes its other options. Loading only ticks.
// False when no set file is chosen or it cannot be read, which it reports.
bool loadChosenSetFile(MainWindowForm &form, QWidget *window);
void deleteChosenSetFile(MainWindowForm &form, QWidget *window);
// Replaces the chosen set file with the current selection; a vanished file is not recreated.
void saveChosenSetFile(MainWindowForm &form, QWidget *window);
