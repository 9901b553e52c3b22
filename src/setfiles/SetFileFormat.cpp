#include "setfiles/SetFileFormat.h"

#include "app/state/ModGroup.h"

#include <QString>

namespace {
const QString generalSection = QStringLiteral("General");
const QString otherCommandsKey = QStringLiteral("OtherCommands");
const QString modKeyPrefix = QStringLiteral("Mod");
const QString countKey = QStringLiteral("Count");
const QString missingValue = QStringLiteral("ERROR");

// A line break inside a value would end its line early and let the rest pass for further
// entries. Reading collapses whitespace anyway, so a blank in its place reads back the same.
QString asSingleLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

void writeTickedMods(IniFile &ini, const ModGroupFacts &group)
{
    const QString section = QLatin1String(group.setFileSection);
    int count = 0;
    for (const ModEntry &entry : group.mods()) {
        if (!entry.ticked)
            continue;
        ini.setValue(section, modKeyPrefix + QString::number(count), asSingleLine(entry.name));
        ++count;
    }
    ini.setValue(section, countKey, QString::number(count));
}

QVector<ModEntry> readModNames(IniFile &ini, const QString &section)
{
    QVector<ModEntry> names;
    for (int index = 0;; ++index) {
        const QString name =
            ini.value(section, modKeyPrefix + QString::number(index), missingValue);
        if (ini.status() == IniFile::StatusNoKey || ini.status() == IniFile::StatusNoSection)
            return names;
        names.append(ModEntry{name, false});
    }
}

SetFileResult saveStore(IniFile &ini, const QString &path)
{
    ini.save(path);
    return SetFileResult{ini.status(), ini.errorText()};
}
} // namespace

SetFileResult writeSetFile(const QString &path)
{
    IniFile ini;
    for (const ModGroupFacts &group : modGroups)
        writeTickedMods(ini, group);
    ini.setValue(generalSection, otherCommandsKey, asSingleLine(appState().otherCommands));
    return saveStore(ini, path);
}

SetFileResult writeBlankSetFile(const QString &path)
{
    IniFile ini;
    return saveStore(ini, path);
}

SetFileResult readSetFile(const QString &path)
{
    IniFile ini(path);
    if (ini.status() != IniFile::StatusOk)
        return SetFileResult{ini.status(), ini.errorText()};
    for (const ModGroupFacts &group : modGroups) {
        group.latestReadStart() = group.loadedMods().size();
        group.loadedMods() += readModNames(ini, QLatin1String(group.setFileSection));
    }
    appState().loadedOtherCommands = ini.value(generalSection, otherCommandsKey, missingValue);
    return SetFileResult{};
}
