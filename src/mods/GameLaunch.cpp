#include "mods/GameLaunch.h"

#include "app/form/MessageTexts.h"
#include "mods/LaunchRequest.h"
#include "platform/DetachedStart.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessExit.h"
#include "platform/SystemReason.h"

#include <QCoreApplication>

bool launchGame(QWidget *window)
{
    const platform::DetachedStartRequest request = buildLaunchRequest();
    const platform::DetachedStartOutcome outcome = platform::startDetached(request);
    if (!outcome.started) {
        platform::showWarning(
            window, messageTitle(MessageTitle::HalvaneV5),
            QCoreApplication::translate("MainWindow", "Cannot start %1:\n%2.")
                .arg(request.program, platform::reasonInMessage(outcome.errorText)));
        return false;
    }
    platform::exitProcess(0);
    return true;
}
