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

// Appends the mods of each subfolder to its table, stopping at the first missing subfolder.
ModFolderScan scanModSubfolders(const QString &modFolderPath);

// The listable mod names of a folder. A name holding a line break is left out: a set file could
// never store it intact.
QStringList listModFileNames(const QString &folderPath);

// Whether a plain file of this name in a subfolder is listed as a mod.
bool isListableModName(const QString &name);
