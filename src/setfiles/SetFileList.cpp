#include "setfiles/SetFileList.h"

void populateSetFileList(MainWindowForm &) {}
void showChosenSetFile(MainWindowForm &, QListWidgetItem *) {}
void loadChosenSetFile(MainWindowForm &, QWidget *) {}
void deleteChosenSetFile(MainWindowForm &, QWidget *) {}
void saveChosenSetFile(MainWindowForm &, QWidget *) {}
