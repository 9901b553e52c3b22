#include "mods/ModCatalogue.h"

#include "app/state/ModTable.h"
#include "platform/FolderListing.h"

#include <QDir>

namespace {
bool holdsLineBreak(const QString &name)
{
    return name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'));
}
} // namespace

QStringList listModFileNames(const QString &folderPath)
{
    QStringList names = platform::listPlainFiles(folderPath);
    names.removeIf(holdsLineBreak);
    return names;
}

bool isListableModName(const QString &name)
{
#ifndef Q_OS_WIN
    if (name.startsWith(QLatin1Char('.')))
        return false;
#endif
    return !holdsLineBreak(name);
}

ModFolderScan scanModSubfolders(const QString &modFolderPath)
{
    for (const ModGroupFacts &group : modGroups) {
        const QString folderPath = modFolderPath + QLatin1String(group.subfolder);
        if (!QDir(folderPath).exists())
            return ModFolderScan{&group, folderPath};
        ModTable &table = group.mods();
        const QStringList names = listModFileNames(folderPath);
        table.reserve(table.size() + int(names.size()));
        for (const QString &name : names)
            table.append(name);
    }
    return ModFolderScan{};
}
