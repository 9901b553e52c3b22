#pragma once

class MainWindowForm;
class QWidget;

// Asks how the new set file is to be made and under which name, writes it into the
// set-file folder and lists the folder again.
void createSetFile(MainWindowForm &form, QWidget *window);

// Asks for the name of a new set, as creation does, and refuses one that cannot be a set file's
// name with a warning. True when a usable name is in the shared state's `newSetName`.
bool askForNewSetName(QWidget *window);
