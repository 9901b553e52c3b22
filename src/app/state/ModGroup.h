#pragma once

#include "app/state/AppState.h"

#include <array>

// The three kinds of mods, each with its own subfolder, table, list and game option. The
// command line, the selected-mods text and the set files always list them in this order.
enum class ModGroup { Multiplay, Campaign, Global };

// Everything that sets one kind of mods apart.
struct ModGroupFacts {
    ModGroup group;
    // Appended to the mod folder's path as it stands.
    const char *subfolder;
    // The game's option for one mod of the group, without the name.
    const char *option;
    // The exit status when the subfolder is missing at start-up.
    int missingSubfolderStatus;
    const char *setFileSection;
    ModTable AppState::*table;
    QVector<ModEntry> AppState::*loaded;
    qsizetype AppState::*latestRead;
    // Object names of the group's list and of the tool-box page that holds it.
    const char *listName;
    const char *pageName;

    ModTable &mods() const { return appState().*table; }
    QVector<ModEntry> &loadedMods() const { return appState().*loaded; }
    qsizetype &latestReadStart() const { return appState().*latestRead; }
};

inline constexpr std::array<ModGroupFacts, 3> modGroups{{
    {ModGroup::Multiplay, "/multiplay", "--mod_mp=", 2, "SettingMP", &AppState::modsMP,
     &AppState::loadedMP, &AppState::latestReadMP, "listMP", "pageMP"},
    {ModGroup::Campaign, "/campaign", "--mod_ca=", 3, "SettingSP", &AppState::modsSP,
     &AppState::loadedSP, &AppState::latestReadSP, "listSP", "pageSP"},
    {ModGroup::Global, "/global", "--mod=", 1, "SettingGlobal", &AppState::modsGlobal,
     &AppState::loadedGlobal, &AppState::latestReadGlobal, "listGlobal", "pageGlobal"},
}};

inline const ModGroupFacts &modGroup(ModGroup group)
{
    return modGroups[std::size_t(group)];
}
