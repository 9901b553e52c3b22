#include "setfiles/SetFileCreation.h"

void createSetFile(MainWindowForm &, QWidget *) {}
