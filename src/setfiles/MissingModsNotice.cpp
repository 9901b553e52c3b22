#include "setfiles/MissingModsNotice.h"

#include "app/form/MessageTexts.h"
#include "platform/MessageBoxes.h"
#include "setfiles/MissingMods.h"

#include <QCoreApplication>

void nameMissingMods(QWidget *window, const QString &setFileName)
{
    const MissingMods missing = findMissingMods();
    if (missing.isEmpty())
        return;
    platform::showInformation(
        window, messageTitle(MessageTitle::HalvaneV5),
        QCoreApplication::translate("MainWindow",
                                    "The set %1 names mods that the mod folder does not hold, so "
                                    "they were not ticked:\n\n%2\n\nSaving the settings to this "
                                    "set would leave them out.")
            .arg(setFileName, missingModsListing(missing)));
}
