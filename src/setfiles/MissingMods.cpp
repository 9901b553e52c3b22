#include "setfiles/MissingMods.h"

#include "app/state/ModGroup.h"

#include <QCoreApplication>
#include <QSet>

#include <array>

namespace {
// Only the set just read counts: a mod that an earlier set named was reported with that set.
QStringList namesNotIn(const ModGroupFacts &group)
{
    const QVector<ModEntry> &loaded = group.loadedMods();
    QStringList missing;
    QSet<QString> seen;
    for (qsizetype i = group.latestReadStart(); i < loaded.size(); ++i) {
        const ModEntry &entry = loaded.at(i);
        if (group.mods().indexOf(entry.name) >= 0 || seen.contains(entry.name))
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
    return MissingMods{namesNotIn(modGroup(ModGroup::Multiplay)),
                       namesNotIn(modGroup(ModGroup::Campaign)),
                       namesNotIn(modGroup(ModGroup::Global))};
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
