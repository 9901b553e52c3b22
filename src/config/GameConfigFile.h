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

// The two steps of writeGameConfigFile(), for a caller that looks at the bytes in between: the
// text encoded as the file is, with "\n" for every line end, unless the encoding cannot hold it;
// then those bytes written.
struct EncodedGameConfig {
    bool encoded = false;
    QByteArray lines;
    QString errorText; // why the text cannot be written in the file's encoding
};
EncodedGameConfig encodeGameConfig(const QString &path, const QString &text);
GameConfigWriteResult writeEncodedGameConfig(const QString &path, const QByteArray &lines);
