#pragma once

class QWidget;

// False when the user gave up and the process was ended.
bool settleLocations(QWidget *window);
void changeLocations(QWidget *window);
