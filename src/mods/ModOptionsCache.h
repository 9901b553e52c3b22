#pragma once

#include "mods/ModGroup.h"

#include <QString>

#include <array>

// The mod part of the command line, kept current across ticks: a tick patches the one
// option it adds or removes instead of composing the options again from every table, so a
// tick or a keystroke costs no walk over thousands of mods.
class ModOptionsCache {
public:
    // What composeModOptions() gives now. Composed afresh only when a table changed other
    // than through setTicked() below.
    const QString &text();

    // Sets the tick flag of entry `index` of the group's table and keeps the text in step.
    void setTicked(ModGroup group, int index, bool ticked);

private:
    using Revisions = std::array<quint64, 3>;

    static Revisions tableRevisions();
    bool isCurrent() const { return built && builtFrom == tableRevisions(); }

    QString options;
    Revisions builtFrom{};
    bool built = false;
};
