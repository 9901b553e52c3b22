#pragma once

#include <QString>

// The game's configuration file is opaque text to the tool: read and written whole, with the
// platform's line ends on disk. It is read in the encoding it is in and written back in it.

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

// Replaces the file only once the new text is completely on disk, so that on any failure the
// old file stays exactly as it was; only where the folder allows no file beside it is the file
// written in place.
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
