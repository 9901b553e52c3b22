#pragma once

#include "app/state/ModGroup.h"

#include <QString>
#include <QStringList>

// How a scan of the mod folder ended.
struct ModFolderScan {
    // The group of the first subfolder found missing, and its full path; none when complete.
    const ModGroupFacts *missing = nullptr;
    QString missingFolder;

    bool complete() const { return missing == nullptr; }
};

// Appends the mods of "/multiplay", "/campaign" and "/global" under modFolderPath to their
// tables, in that order. Stops at the first subfolder that does not exist; the tables of the
// earlier ones are filled by then.
ModFolderScan scanModSubfolders(const QString &modFolderPath);

// The plain, visible files of a folder by name ignoring case, every extension included.
// Names holding a line break are left out: a set file keeps one name per line, so such a
// name could never be stored or read back intact.
QStringList listModFileNames(const QString &folderPath);

// Whether a plain file of this name in a subfolder is listed as a mod: it holds no line break and
// is not hidden by its name.
bool isListableModName(const QString &name);
