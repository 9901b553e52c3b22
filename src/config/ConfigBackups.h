#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// Earlier versions of the game's configuration, kept byte for byte in the folder "Config
// Backups" beside options.ini before a save replaces them. Each is named after the configuration
// file and the time it was kept, "varnhold.cfg 2026-12-09 14-03-22", with " (2)", " (3)" and so
// on after the name of another one kept in the same second.

struct ConfigBackup {
    QString path;
    QString keptAt; // "2026-12-09 14:03:22", with " (2)" and so on as in the name
    qint64 size = 0;
};

enum class ConfigBackupStep { NothingToKeep, Kept, Failed };

struct ConfigBackupResult {
    ConfigBackupStep step = ConfigBackupStep::NothingToKeep;
    QString path;      // of the backup kept
    QString errorText; // the system's reason when it could not be kept
};

// How many versions of each configuration file stay.
constexpr int configBackupsKept = 20;

QString configBackupFolderPath();

// The kept versions of the configuration file at this path, the newest first.
QVector<ConfigBackup> listConfigBackups(const QString &configPath);

// Keeps the file's current bytes as a version from `now`, unless `bytesToBeWritten`, what the
// save is about to put there, are the same, or there is no file to lose.
ConfigBackupResult keepConfigBackup(const QString &configPath, const QByteArray &bytesToBeWritten,
                                    const QDateTime &now);

// Removes a version kept for a save that then failed, and the folder when that leaves it empty.
void discardConfigBackup(const QString &backupPath);

// Removes all but the newest versions of the configuration file.
void removeOldConfigBackups(const QString &configPath);
