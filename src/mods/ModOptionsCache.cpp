#include "mods/ModOptionsCache.h"

#include "app/ModTable.h"
#include "mods/ModSelectionText.h"

const QString &ModOptionsCache::text()
{
    if (!isCurrent()) {
        options = composeModOptions();
        builtFrom = tableRevisions();
        built = true;
    }
    return options;
}

void ModOptionsCache::setTicked(ModGroup group, int index, bool ticked)
{
    ModTable &table = modTable(group);
    if (table.at(index).ticked == ticked)
        return;
    const bool wasCurrent = isCurrent();
    if (wasCurrent)
        modOptionsSplice(group, index, ticked).applyTo(options);
    table.setTicked(index, ticked);
    if (wasCurrent)
        builtFrom = tableRevisions();
}

ModOptionsCache::Revisions ModOptionsCache::tableRevisions()
{
    Revisions revisions;
    for (std::size_t i = 0; i < allModGroups.size(); ++i)
        revisions[i] = modTable(allModGroups[i]).revision();
    return revisions;
}
