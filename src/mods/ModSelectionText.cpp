#include "mods/ModSelectionText.h"

#include "app/AppState.h"
#include "mods/ModGroup.h"

#include <algorithm>

QString composeSelectedMods()
{
    QString text;
    for (const ModGroupFacts &group : modGroups) {
        for (const ModEntry &entry : group.mods()) {
            if (entry.ticked)
                text += entry.name + QLatin1Char('\n');
        }
    }
    return text;
}

int selectedModsLine(const ModTable &table, int index)
{
    int line = 0;
    for (const ModGroupFacts &group : modGroups) {
        const ModTable &earlier = group.mods();
        if (&earlier == &table)
            return line + int(std::count_if(table.begin(), table.begin() + index,
                                            [](const ModEntry &entry) { return entry.ticked; }));
        line += earlier.tickedCount();
    }
    return line;
}

int selectedModsLineCount()
{
    int count = 0;
    for (const ModGroupFacts &group : modGroups)
        count += group.mods().tickedCount();
    return count;
}

QString composeModOptions()
{
    QString text;
    for (const ModGroupFacts &group : modGroups) {
        const QString option = QLatin1Char(' ') + QLatin1String(group.option);
        for (const ModEntry &entry : group.mods()) {
            if (entry.ticked)
                text += option + entry.name;
        }
    }
    return text;
}

QString composeModArguments()
{
    return composeModOptions() + QLatin1Char(' ') + appState().otherCommands;
}

QString composeCommandLine()
{
    return QStringLiteral("%BinaryPath%") + composeModArguments();
}

QStringList composeModArgumentList()
{
    QStringList arguments;
    for (const ModGroupFacts &group : modGroups) {
        const QString option = QLatin1String(group.option);
        for (const ModEntry &entry : group.mods()) {
            if (entry.ticked)
                arguments.append(option + entry.name);
        }
    }
    return arguments;
}
