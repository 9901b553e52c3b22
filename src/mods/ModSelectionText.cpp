#include "mods/ModSelectionText.h"

#include "app/state/AppState.h"
#include "app/state/ModGroup.h"

#include <algorithm>

QString composeSelectedMods()
{
    QString text;
    for (const ModGroupFacts &group : modGroups) {
        for (const ModEntry &entry : group.mods()) {
            if (entry.ticked) {
                text += entry.name;
                text += QLatin1Char('\n');
            }
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

namespace {
// Into one string, stopping at `kept` characters: joining parts copies the whole line each time.
void appendModArguments(QString &text, qsizetype kept)
{
    for (const ModGroupFacts &group : modGroups) {
        const QString option = QLatin1Char(' ') + QLatin1String(group.option);
        for (const ModEntry &entry : group.mods()) {
            if (text.size() >= kept)
                break;
            if (entry.ticked) {
                text += option;
                text += entry.name;
            }
        }
    }
    if (text.size() < kept) {
        text += QLatin1Char(' ');
        text += appState().otherCommands;
    }
    if (text.size() > kept)
        text.truncate(kept);
}
} // namespace

QString composeCommandLine(qsizetype kept)
{
    QString text = QStringLiteral("%BinaryPath%");
    appendModArguments(text, kept);
    return text;
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
