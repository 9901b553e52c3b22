#pragma once

#include <QStringList>

class MainWindowForm;
class QListWidgetItem;
class QWidget;

// Appends one item per listed set file; callers that refill the list clear it first.
void populateSetFileList(MainWindowForm &form);
// Shows a new listing of the set-file folder; a chosen set that vanished is chosen no more.
void relistSetFileList(MainWindowForm &form, const QStringList &listed);
// Records the list's new current item as the chosen set file; no item means none is chosen.
void showChosenSetFile(MainWindowForm &form, QListWidgetItem *current);
// Ticks the mods the chosen set file names and takes its other options; false when none is
// chosen or it cannot be read.
bool loadChosenSetFile(MainWindowForm &form, QWidget *window);
void deleteChosenSetFile(MainWindowForm &form, QWidget *window);
// Replaces the chosen set file with the current selection; a vanished file is not recreated.
void saveChosenSetFile(MainWindowForm &form, QWidget *window);
