#pragma once

#include "setfiles/SetFileResult.h"

#include <QString>

// A set as text to share: what a player pastes into a chat and a friend pastes back in.

struct SetText {
    bool read = false;
    QString text;      // decoded as every set file is, with "\n" for each line end
    QString errorText; // the system's reason when the file could not be read
};

SetText readSetText(const QString &path);

// Whether the text reads as a set: at least one of a set's section headers, at most 1 MiB in
// UTF-8, and no NUL character.
bool holdsSet(const QString &text);

// Writes the text as a set file, replacing any file there only once it is whole, in the encoding
// and with the line ends of every set file; the last line gets its line end too.
SetFileResult writeSetText(const QString &path, const QString &text);
