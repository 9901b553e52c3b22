#pragma once

class QString;

// Whether a typed name can become a file in the set-file folder, and nowhere else, that the
// set-file list then shows.
bool isUsableSetFileName(const QString &name);
