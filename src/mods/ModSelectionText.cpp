#include "mods/ModSelectionText.h"

#include "app/AppState.h"
#include "mods/ModGroup.h"

#include <algorithm>

QString composeSelectedMods()
{
    QString text;
    for (const ModGroup group : allModGroups) {
        for (const ModEntry &entry : modTable(group)) {
            if (entry.ticked)
                text += entry.name + QLatin1Char('\n');
        }
    }
    return text;
}

int selectedModsLine(const ModTable &table, int index)
{
    int line = 0;
    for (const ModGroup group : allModGroups) {
        const ModTable &earlier = modTable(group);
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
    for (const ModGroup group : allModGroups)
        count += modTable(group).tickedCount();
    return count;
}

QString composeModOptions()
{
    QString text;
    for (const ModGroup group : allModGroups) {
        const QString option = QLatin1Char(' ') + modOption(group);
        for (const ModEntry &entry : modTable(group)) {
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
    for (const ModGroup group : allModGroups) {
        const QString option = modOption(group);
        for (const ModEntry &entry : modTable(group)) {
            if (entry.ticked)
                arguments.append(option + entry.name);
        }
    }
    return arguments;
}
