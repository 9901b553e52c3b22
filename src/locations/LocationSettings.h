#pragma once

#include <QString>

// The three game locations live in the shared state (exePath, modFolderPath,
// configFilePath); these operations move them between there and options.ini.

struct LocationsSaveResult {
    bool saved = true;
    bool unreadable = false; // the existing file could not be read, so it was left alone
    QString errorText;       // the system's reason when options.ini was not written
};

// options.ini where the tool keeps its files (beside its executable, or in the player's folders
// when installed), recomputed on every call so that a test's stand-in folder is honoured.
QString optionsIniPath();

// Reads the three locations; anything missing or unreadable becomes the text "ERROR",
// which then fails the existence checks.
void loadLocations();

// Replaces all three locations by the game's usual places, each emptied when nothing is there.
void defaultLocations();

// The usual place of the game's configuration file below the user's home folder, with the
// environment's separators kept exactly as they are.
QString defaultConfigFilePath();

// Writes the three locations into the "Paths" section, keeping every other line of the file.
// A file that exists but cannot be read is left alone and reported as not written.
LocationsSaveResult saveLocations();

// Whether the executable, the mod folder and the configuration file all exist, checked in
// that order.
bool locationsExist();
bool locationsExist(const QString &exePath, const QString &modFolderPath,
                    const QString &configFilePath);

// Whether none of the three locations is empty.
bool locationsKnown();
