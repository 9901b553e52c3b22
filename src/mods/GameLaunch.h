#pragma once

class QWidget;

// Starts the game with the ticked mods and the other options, detached, in the executable's
// folder, then ends the tool with status 0. When the start fails it warns and the tool goes on
// with everything as it was. True when the game started.
bool launchGame(QWidget *window);
