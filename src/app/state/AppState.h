#pragma once

#include "app/state/ModEntry.h"
#include "app/state/ModTable.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The tool's working state for the whole run, shared by every subsystem.
struct AppState {
    QString exePath;
    QString modFolderPath;
    QString configFilePath;
    QString otherCommands;
    ModTable modsMP;
    ModTable modsSP;
    ModTable modsGlobal;
    QString selectedSetFile;
    QStringList setFileNames;
    QVector<ModEntry> loadedMP;
    QVector<ModEntry> loadedSP;
    QVector<ModEntry> loadedGlobal;
    // Every read adds to the loaded-set buffers; the latest read's entries begin at these indices.
    qsizetype latestReadMP = 0;
    qsizetype latestReadSP = 0;
    qsizetype latestReadGlobal = 0;
    QString loadedOtherCommands;
    QString newSetName;
};

AppState &appState();
void resetAppState();
