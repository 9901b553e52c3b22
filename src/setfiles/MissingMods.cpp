#include "setfiles/MissingMods.h"

#include "app/state/AppState.h"

#include <QCoreApplication>
#include <QSet>

#include <array>

namespace {
QStringList namesNotIn(const QVector<ModEntry> &loaded, const ModTable &table)
{
    QStringList missing;
    QSet<QString> seen;
    for (const ModEntry &entry : loaded) {
        if (table.indexOf(entry.name) >= 0 || seen.contains(entry.name))
            continue;
        seen.insert(entry.name);
        missing.append(entry.name);
    }
    return missing;
}

struct Group {
    const char *title;
    const QStringList &names;
};
} // namespace

MissingMods findMissingMods()
{
    const AppState &state = appState();
    return MissingMods{namesNotIn(state.loadedMP, state.modsMP),
                       namesNotIn(state.loadedSP, state.modsSP),
                       namesNotIn(state.loadedGlobal, state.modsGlobal)};
}

QString missingModsListing(const MissingMods &missing, int limit)
{
    // The titles of the lists' pages, as the window shows them.
    const std::array<Group, 3> groups{
        Group{QT_TRANSLATE_NOOP("MainWindow", "Multiplayer & Skimish Mods:"), missing.multiplay},
        Group{QT_TRANSLATE_NOOP("MainWindow", "Campaign Mods:"), missing.campaign},
        Group{QT_TRANSLATE_NOOP("MainWindow", "Global Mods:"), missing.global}};
    QStringList lines;
    qsizetype shown = 0;
    qsizetype left = 0;
    for (const Group &group : groups) {
        const qsizetype room = qMax<qsizetype>(0, limit - shown);
        if (!group.names.isEmpty() && room > 0)
            lines.append(QCoreApplication::translate("MainWindow", group.title));
        for (const QString &name : group.names.mid(0, room))
            lines.append(QStringLiteral("    ") + name);
        shown += qMin(room, group.names.size());
        left += qMax<qsizetype>(0, group.names.size() - room);
    }
    if (left > 0)
        lines.append(QCoreApplication::translate("MainWindow", "and %1 more").arg(left));
    return lines.join(QLatin1Char('\n'));
}
