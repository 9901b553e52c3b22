#include "config/GameConfigEditor.h"

void loadGameConfig(MainWindowForm &, QWidget *) {}
void saveGameConfig(MainWindowForm &, QWidget *) {}
