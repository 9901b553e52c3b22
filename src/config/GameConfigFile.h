#pragma once

#include <QString>

// The game's configuration file is opaque text, read and written whole in its own encoding.

struct GameConfigText {
    bool read = false;
    QString text;
    QString errorText; // the system's reason when the file could not be read
};

struct GameConfigWriteResult {
    bool written = false;
    QString errorText; // the system's reason when the file could not be written
};

GameConfigText readGameConfigFile(const QString &path);

// Replaces the file as replaceTextFile does.
GameConfigWriteResult writeGameConfigFile(const QString &path, const QString &text);
