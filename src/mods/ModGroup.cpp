#include "mods/ModGroup.h"

#include "app/AppState.h"

ModTable &modTable(ModGroup group)
{
    AppState &state = appState();
    switch (group) {
    case ModGroup::Multiplay:
        return state.modsMP;
    case ModGroup::Campaign:
        return state.modsSP;
    case ModGroup::Global:
        break;
    }
    return state.modsGlobal;
}

QString modSubfolder(ModGroup group)
{
    switch (group) {
    case ModGroup::Multiplay:
        return QStringLiteral("/multiplay");
    case ModGroup::Campaign:
        return QStringLiteral("/campaign");
    case ModGroup::Global:
        break;
    }
    return QStringLiteral("/global");
}

QString modOption(ModGroup group)
{
    switch (group) {
    case ModGroup::Multiplay:
        return QStringLiteral("--mod_mp=");
    case ModGroup::Campaign:
        return QStringLiteral("--mod_ca=");
    case ModGroup::Global:
        break;
    }
    return QStringLiteral("--mod=");
}

int missingSubfolderStatus(ModGroup group)
{
    switch (group) {
    case ModGroup::Multiplay:
        return 2;
    case ModGroup::Campaign:
        return 3;
    case ModGroup::Global:
        break;
    }
    return 1;
}
