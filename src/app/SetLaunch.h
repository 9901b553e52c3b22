#pragma once

#include "app/LaunchOption.h"

class MainWindow;

// Reads --launch from the program's arguments. Given --launch without a name or more than once,
// it warns and ends the process with status 4, before anything starts up.
LaunchOption takeLaunchOption(const QStringList &arguments);

// Does with the window, which has started up but is not shown, what a player does by choosing
// the set in the ".set Files" list, pressing "Load Selected Setting File" and then "Run
// Varnhold". It ends the process: with status 0 once the game started; 4 when there is no such
// set or it cannot be read; 5 when the set names mods its lists lack and the player does not
// want to start without them; 6 when the game cannot be started. Each failure says why first.
// Returns that status when a test keeps the process alive; a start-up that ended the process
// already returns at once.
int launchSet(MainWindow &window, const QString &name);
