#include "mods/ModSelectionText.h"

#include "app/AppState.h"

#include <limits>

namespace {
const QString placeholder = QStringLiteral("%BinaryPath%");
const QLatin1Char space(' ');
const QLatin1Char lineEnd('\n');

// What the text adds to each ticked name, besides the name: "\n", or " --mod_mp=" and so on.
using Framing = qsizetype (*)(ModGroup);

qsizetype selectedModsFraming(ModGroup)
{
    return 1;
}

qsizetype modOptionsFraming(ModGroup group)
{
    return 1 + modOption(group).size();
}

// Where the text of entry `index` of the group starts, counting only ticked entries.
qsizetype textPosition(ModGroup group, int index, Framing framing)
{
    qsizetype position = 0;
    for (const ModGroup earlier : allModGroups) {
        const ModTable &table = modTable(earlier);
        if (earlier == group)
            return position + table.tickedNameLengthBefore(index) +
                   table.tickedCountBefore(index) * framing(group);
        position += table.tickedNameLength() + table.tickedCount() * framing(earlier);
    }
    return position;
}

TextSplice splice(qsizetype position, bool ticked, const QString &text)
{
    if (ticked)
        return TextSplice{position, 0, text};
    return TextSplice{position, text.size(), QString()};
}

qsizetype tickedTextLength(Framing framing)
{
    qsizetype length = 0;
    for (const ModGroup group : allModGroups)
        length +=
            modTable(group).tickedNameLength() + modTable(group).tickedCount() * framing(group);
    return length;
}
} // namespace

QString composeSelectedMods()
{
    QString text;
    text.reserve(tickedTextLength(selectedModsFraming));
    for (const ModGroup group : allModGroups) {
        for (const ModEntry &entry : modTable(group)) {
            if (entry.ticked)
                text += entry.name + lineEnd;
        }
    }
    return text;
}

QString composeModOptions()
{
    QString text;
    text.reserve(tickedTextLength(modOptionsFraming));
    for (const ModGroup group : allModGroups) {
        const QString option = space + modOption(group);
        for (const ModEntry &entry : modTable(group)) {
            if (entry.ticked)
                text += option + entry.name;
        }
    }
    return text;
}

QString composeModArguments()
{
    return composeModOptions() + space + appState().otherCommands;
}

QString composeCommandLine(const QString &modOptions, const QString &otherCommands, qsizetype limit)
{
    const QStringView parts[] = {placeholder, modOptions, QStringView(u" "), otherCommands};
    if (limit < 0)
        limit = std::numeric_limits<qsizetype>::max();
    QString line;
    line.reserve(qMin(limit, placeholder.size() + modOptions.size() + 1 + otherCommands.size()));
    for (const QStringView part : parts)
        line += part.left(limit - line.size());
    return line;
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

TextSplice selectedModsSplice(ModGroup group, int index, bool ticked)
{
    const qsizetype position = textPosition(group, index, selectedModsFraming);
    return splice(position, ticked, modTable(group).at(index).name + lineEnd);
}

TextSplice modOptionsSplice(ModGroup group, int index, bool ticked)
{
    const qsizetype position = textPosition(group, index, modOptionsFraming);
    return splice(position, ticked, space + modOption(group) + modTable(group).at(index).name);
}
