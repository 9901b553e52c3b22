#pragma once

#include <QString>

#include <array>

class ModTable;

// The three kinds of mods, each with its own subfolder, table, list and game option. The
// command line and the selected-mods text always list them in this order.
enum class ModGroup { Multiplay, Campaign, Global };

inline constexpr std::array<ModGroup, 3> allModGroups{ModGroup::Multiplay, ModGroup::Campaign,
                                                      ModGroup::Global};

// The group's table among the tool's shared state.
ModTable &modTable(ModGroup group);

// Appended to the mod folder's path as it stands: "/multiplay", "/campaign", "/global".
QString modSubfolder(ModGroup group);
// The game's option for one mod of the group, without the name: "--mod_mp=" and so on.
QString modOption(ModGroup group);
// The exit status when the group's subfolder is missing at start-up.
int missingSubfolderStatus(ModGroup group);
