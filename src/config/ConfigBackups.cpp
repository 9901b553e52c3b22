#include "config/ConfigBackups.h"

#include "platform/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {
const QString stampFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");

// Beside options.ini and "Set Files" in a folder of the player's own; in the player's data
// folder, with "Set Files", when installed.
QString backupsParentPath()
{
    return platform::toolFileFolders().setFiles;
}

// Matches the names of the versions of one configuration file: the time, then the number of
// another version of the same second.
QRegularExpression backupNamePattern(const QString &configFileName)
{
    return QRegularExpression(
        QStringLiteral("^%1 (\\d{4}-\\d\\d-\\d\\d) (\\d\\d)-(\\d\\d)-(\\d\\d)(?: \\((\\d+)\\))?$")
            .arg(QRegularExpression::escape(configFileName)));
}

struct NamedBackup {
    ConfigBackup backup;
    QString stamp;
    int number = 1;
};

bool isNewer(const NamedBackup &left, const NamedBackup &right)
{
    if (left.stamp != right.stamp)
        return left.stamp > right.stamp;
    return left.number > right.number;
}

QString backupPath(const QString &configPath, const QString &stamp, int number)
{
    QString name = QFileInfo(configPath).fileName() + QLatin1Char(' ') + stamp;
    if (number > 1)
        name += QStringLiteral(" (%1)").arg(number);
    return configBackupFolderPath() + QLatin1Char('/') + name;
}

// A name that no version holds yet, so that versions of the same second do not collide.
QString freeBackupPath(const QString &configPath, const QDateTime &now)
{
    const QString stamp = now.toString(stampFormat);
    for (int number = 1;; ++number) {
        const QString path = backupPath(configPath, stamp, number);
        if (!QFileInfo::exists(path))
            return path;
    }
}

bool writeBackup(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}
} // namespace

QString configBackupFolderPath()
{
    return backupsParentPath() + QStringLiteral("/Config Backups");
}

QVector<ConfigBackup> listConfigBackups(const QString &configPath)
{
    const QRegularExpression pattern = backupNamePattern(QFileInfo(configPath).fileName());
    QVector<NamedBackup> found;
    const QFileInfoList entries =
        QDir(configBackupFolderPath()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = pattern.match(entry.fileName());
        if (!match.hasMatch())
            continue;
        NamedBackup named;
        named.number = match.captured(5).isEmpty() ? 1 : match.captured(5).toInt();
        named.backup.path = entry.filePath();
        named.backup.keptAt = match.captured(1) + QLatin1Char(' ') + match.captured(2) +
                              QLatin1Char(':') + match.captured(3) + QLatin1Char(':') +
                              match.captured(4);
        if (named.number > 1)
            named.backup.keptAt += QStringLiteral(" (%1)").arg(named.number);
        named.backup.size = entry.size();
        named.stamp = match.captured(1) + match.captured(2) + match.captured(3) + match.captured(4);
        found.append(named);
    }
    std::sort(found.begin(), found.end(), isNewer);
    QVector<ConfigBackup> backups;
    backups.reserve(found.size());
    for (const NamedBackup &named : std::as_const(found))
        backups.append(named.backup);
    return backups;
}

ConfigBackupResult keepConfigBackup(const QString &configPath, const QByteArray &bytesToBeWritten,
                                    const QDateTime &now)
{
    ConfigBackupResult result;
    if (!QFileInfo(configPath).isFile())
        return result;
    QFile current(configPath);
    QByteArray bytes;
    if (current.open(QIODevice::ReadOnly))
        bytes = current.readAll();
    if (!current.isOpen() || current.error() != QFileDevice::NoError) {
        result.step = ConfigBackupStep::Failed;
        result.errorText = current.errorString();
        return result;
    }
    if (bytes == bytesToBeWritten)
        return result;
    QDir().mkpath(configBackupFolderPath());
    result.path = freeBackupPath(configPath, now);
    result.step = writeBackup(result.path, bytes, &result.errorText) ? ConfigBackupStep::Kept
                                                                     : ConfigBackupStep::Failed;
    // A folder made for nothing is not left behind; one that holds versions stays.
    if (result.step == ConfigBackupStep::Failed)
        QDir().rmdir(configBackupFolderPath());
    return result;
}

void discardConfigBackup(const QString &backupPath)
{
    QFile::remove(backupPath);
    QDir().rmdir(configBackupFolderPath());
}

void removeOldConfigBackups(const QString &configPath)
{
    const QVector<ConfigBackup> backups = listConfigBackups(configPath);
    for (qsizetype i = configBackupsKept; i < backups.size(); ++i)
        QFile::remove(backups.at(i).path);
}
