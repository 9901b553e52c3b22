#pragma once

#include "setfiles/SetFileResult.h"

class QString;

// Writes the ticked mods of the three tables and the other options to a set file.
SetFileResult writeSetFile(const QString &path);

// An empty set file: it names no mods and gives no other options.
SetFileResult writeBlankSetFile(const QString &path);

// Appends a set file to the loaded-set buffers; on failure they keep what they held.
SetFileResult readSetFile(const QString &path);
