#pragma once

#include <QString>

// Moves the three game locations between the shared state and options.ini.

struct LocationsSaveResult {
    bool saved = true;
    bool unreadable = false; // the existing file could not be read, so it was left alone
    QString errorText;       // the system's reason when options.ini was not written
};

// options.ini where the tool keeps its files, recomputed so that a test's folder is honoured.
QString optionsIniPath();

// Reads the three locations; anything missing or unreadable becomes "ERROR".
void loadLocations();

// Replaces all three locations by the game's usual places, each emptied when nothing is there.
void defaultLocations();

// The usual place of the game's configuration file below the user's home folder.
QString defaultConfigFilePath();

// Writes the three locations, keeping every other line; an unreadable file is left alone.
LocationsSaveResult saveLocations();

// Whether the executable, the mod folder and the configuration file all exist.
bool locationsExist();
bool locationsExist(const QString &exePath, const QString &modFolderPath,
                    const QString &configFilePath);

// Whether none of the three locations is empty.
bool locationsKnown();
