#include "mods/GameLaunch.h"

void launchGame(QWidget *) {}
