#include "SaveVariants.h"

#include "app/state/AppState.h"
#include "config/GameConfigFile.h"
#include "locations/LocationSettings.h"
#include "platform/ApplicationFolder.h"
#include "setfiles/SetFileFormat.h"

#include <QFileInfo>

namespace savevariants {
namespace {
constexpr int manyLines = 20000;

QString variantText(int variant)
{
    return variant == 0 ? QStringLiteral("first") : QStringLiteral("second");
}

bool saveOptionsIni(const QString &path, int variant)
{
    platform::setApplicationDirPathOverride(QFileInfo(path).absolutePath());
    AppState &state = appState();
    state.exePath = QStringLiteral("/games/%1/varnhold").arg(variantText(variant));
    state.modFolderPath = QStringLiteral("/games/%1/mods").arg(variantText(variant));
    state.configFilePath = QStringLiteral("/games/%1/config").arg(variantText(variant));
    return saveLocations().saved;
}

bool saveSetFile(const QString &path, int variant)
{
    resetAppState();
    AppState &state = appState();
    for (int i = 0; i < manyLines; ++i) {
        state.modsMP.append(
            QStringLiteral("%1-mod-number-%2.zip").arg(variantText(variant)).arg(i));
        state.modsMP.setTicked(i, true);
    }
    state.otherCommands = QStringLiteral("-%1").arg(variantText(variant));
    return writeSetFile(path).ok();
}

bool saveConfig(const QString &path, int variant)
{
    QString text;
    for (int i = 0; i < manyLines; ++i)
        text += QStringLiteral("%1 setting %2 = value\n").arg(variantText(variant)).arg(i);
    return writeGameConfigFile(path, text).written;
}
} // namespace

bool kindFromName(const QString &name, Kind *kind)
{
    for (const Kind candidate : {Kind::OptionsIni, Kind::SetFile, Kind::Config}) {
        if (nameOf(candidate) == name) {
            *kind = candidate;
            return true;
        }
    }
    return false;
}

QString nameOf(Kind kind)
{
    switch (kind) {
    case Kind::OptionsIni:
        return QStringLiteral("options");
    case Kind::SetFile:
        return QStringLiteral("setfile");
    case Kind::Config:
        break;
    }
    return QStringLiteral("config");
}

QByteArray initialOptionsIni()
{
    QByteArray bytes = "; the user's own notes\n";
    for (int i = 0; i < manyLines; ++i)
        bytes += "note" + QByteArray::number(i) + "=kept as it is\n";
    return bytes + "[Paths]\nExecutablePath=/games/old/varnhold\nModFolderPath=/games/old/mods\n"
                   "ConfigFilePath=/games/old/config\n[After]\nKey=value\n";
}

QByteArray initialSetFile()
{
    return "[SettingMP]\nMod0=old.zip\nCount=1\n[SettingSP]\nCount=0\n[SettingGlobal]\nCount=0\n"
           "[General]\nOtherCommands=-old\n";
}

QByteArray initialConfig()
{
    return "old configuration\n";
}

QByteArray initialContent(Kind kind)
{
    switch (kind) {
    case Kind::OptionsIni:
        return initialOptionsIni();
    case Kind::SetFile:
        return initialSetFile();
    case Kind::Config:
        break;
    }
    return initialConfig();
}

bool save(Kind kind, const QString &path, int variant)
{
    switch (kind) {
    case Kind::OptionsIni:
        return saveOptionsIni(path, variant);
    case Kind::SetFile:
        return saveSetFile(path, variant);
    case Kind::Config:
        break;
    }
    return saveConfig(path, variant);
}

} // namespace savevariants
