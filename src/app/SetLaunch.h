#pragma once

#include "app/LaunchOption.h"

class MainWindow;

// Reads --launch, before anything starts up: the usage ends the process with 0, a mistake
// with 4.
LaunchOption takeLaunchOption(const QStringList &arguments);

// Chooses, loads and runs the set as a player would, then ends the process: 0 once the game
// started, 4 for no such or unreadable set, 5 when the player declines to start without missing
// mods, 6 when the game cannot start. Returns that status when a test keeps the process alive.
int launchSet(MainWindow &window, const QString &name);
