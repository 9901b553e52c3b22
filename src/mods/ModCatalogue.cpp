#include "mods/ModCatalogue.h"

#include "app/ModTable.h"

#include <QDir>

namespace {
bool holdsLineBreak(const QString &name)
{
    return name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'));
}
} // namespace

QStringList listModFileNames(const QString &folderPath)
{
    const QDir folder(folderPath);
    QStringList names = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf(holdsLineBreak);
    return names;
}

ModFolderScan scanModSubfolders(const QString &modFolderPath)
{
    for (const ModGroup group : allModGroups) {
        const QString folderPath = modFolderPath + modSubfolder(group);
        if (!QDir(folderPath).exists())
            return ModFolderScan{false, group, folderPath};
        ModTable &table = modTable(group);
        for (const QString &name : listModFileNames(folderPath))
            table.append(name);
    }
    return ModFolderScan{};
}
