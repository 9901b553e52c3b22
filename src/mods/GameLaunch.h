#pragma once

class QWidget;

// Starts the game detached and ends the tool with status 0; a failed start warns and returns
// false.
bool launchGame(QWidget *window);
