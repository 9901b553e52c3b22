#include "locations/LocationSettings.h"

#include "app/state/AppState.h"
#include "ini/IniFile.h"
#include "platform/ApplicationFolder.h"
#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <QDir>
#include <QFileInfo>

namespace {
const QString pathsSection = QStringLiteral("Paths");
const QString executableKey = QStringLiteral("ExecutablePath");
const QString modFolderKey = QStringLiteral("ModFolderPath");
const QString configFileKey = QStringLiteral("ConfigFilePath");
const QString missingValue = QStringLiteral("ERROR");

const QString defaultExecutablePath = QStringLiteral("C:/Program Files/Varnhold/varnhold.exe");
const QString defaultModFolderPath = QStringLiteral("C:/Program Files/Varnhold/mods");
const QString configBelowHome = QStringLiteral("/My Documents/Varnhold 2.3/config");
} // namespace

QString optionsIniPath()
{
    return platform::toolFileFolders().options + QStringLiteral("/options.ini");
}

void loadLocations()
{
    IniFile ini(optionsIniPath());
    AppState &state = appState();
    state.exePath = ini.value(pathsSection, executableKey, missingValue);
    state.modFolderPath = ini.value(pathsSection, modFolderKey, missingValue);
    state.configFilePath = ini.value(pathsSection, configFileKey, missingValue);
}

QString defaultConfigFilePath()
{
    const QString homePath = platform::environmentValue(QStringLiteral("homepath"));
    const QString homeDrive = platform::environmentValue(QStringLiteral("homedrive"));
    return homeDrive + homePath + configBelowHome;
}

void defaultLocations()
{
    AppState &state = appState();
    const QString configFilePath = defaultConfigFilePath();
    state.exePath = QFile::exists(defaultExecutablePath) ? defaultExecutablePath : QString();
    state.modFolderPath = QDir(defaultModFolderPath).exists() ? defaultModFolderPath : QString();
    state.configFilePath = QFile::exists(configFilePath) ? configFilePath : QString();
}

LocationsSaveResult saveLocations()
{
    const QString path = optionsIniPath();
    const AppState &state = appState();
    // An installed tool's folder in the player's configuration is made at its first start.
    QDir().mkpath(QFileInfo(path).path());
    IniFile ini(path);
    // Starting from an empty store would replace every other line the user keeps there.
    if (ini.status() == IniFile::StatusCannotOpen)
        return LocationsSaveResult{false, true, ini.errorText()};
    ini.setValue(pathsSection, executableKey, state.exePath);
    ini.setValue(pathsSection, modFolderKey, state.modFolderPath);
    ini.setValue(pathsSection, configFileKey, state.configFilePath);
    ini.save(path);
    if (ini.status() == IniFile::StatusOk)
        return LocationsSaveResult{};
    return LocationsSaveResult{false, false, ini.errorText()};
}

bool locationsExist()
{
    const AppState &state = appState();
    return locationsExist(state.exePath, state.modFolderPath, state.configFilePath);
}

bool locationsExist(const QString &exePath, const QString &modFolderPath,
                    const QString &configFilePath)
{
    return QFile::exists(exePath) && QDir(modFolderPath).exists() && QFile::exists(configFilePath);
}

bool locationsKnown()
{
    const AppState &state = appState();
    return !state.exePath.isEmpty() && !state.modFolderPath.isEmpty() &&
           !state.configFilePath.isEmpty();
}
