#pragma once

#include <QString>

// One mod file found in a mod subfolder, with whether its list item is ticked.
struct ModEntry {
    QString name;
    bool ticked = false;
};
