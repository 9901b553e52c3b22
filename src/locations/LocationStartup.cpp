#include "locations/LocationStartup.h"

#include "app/form/FileFailureMessages.h"
#include "locations/LocationSettings.h"
#include "locations/OptionsDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessExit.h"

#include <QCoreApplication>
#include <QFile>

namespace {
bool storedLocationsUsable()
{
    if (!QFile::exists(optionsIniPath()))
        return false;
    loadLocations();
    return locationsExist();
}

// The run goes on with the locations in memory; the user only learns that the next start
// will not find them.
void saveLocationsOrWarn(QWidget *window)
{
    const LocationsSaveResult result = saveLocations();
    if (!result.saved)
        warnFileFailure(window, MessageTitle::VarnholdLocations,
                        result.unreadable ? FileFailure::Read : FileFailure::Write,
                        optionsIniPath(), result.errorText);
}
} // namespace

bool settleLocations(QWidget *window)
{
    if (!storedLocationsUsable()) {
        defaultLocations();
        if (!locationsKnown()) {
            platform::showInformation(
                window, messageTitle(MessageTitle::VarnholdLocations),
                QCoreApplication::translate("MainWindow", "Varnhold could not be located."));
            if (runOptionsDialog(window) != OptionsDialog::Stored) {
                platform::exitProcess(0);
                return false;
            }
        }
    }
    saveLocationsOrWarn(window);
    return true;
}

void changeLocations(QWidget *window)
{
    if (runOptionsDialog(window) == OptionsDialog::Stored)
        saveLocationsOrWarn(window);
}
