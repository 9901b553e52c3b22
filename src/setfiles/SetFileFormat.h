#pragma once

#include "setfiles/SetFileResult.h"

class QString;

// Writes the ticked mods of the three tables and the other options to a set file, replacing
// the file as a whole only once the new content is complete.
SetFileResult writeSetFile(const QString &path);

// An empty set file: it names no mods and gives no other options.
SetFileResult writeBlankSetFile(const QString &path);

// Reads a set file into the loaded-set buffers, after what earlier reads put there, so that
// loading a set ticks the mods of the sets loaded before it again. On failure the buffers keep
// what they held.
SetFileResult readSetFile(const QString &path);
