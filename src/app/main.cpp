#include "app/MainWindow.h"
#include "app/SetLaunch.h"
#include "locations/LocationSettings.h"
#include "mods/ModFolderPrefetch.h"
#include "platform/ApplicationFolder.h"
#include "platform/FontConfigurationReader.h"
#include "platform/FormFont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::FontConfigurationReader fontConfiguration;
    const ModFolderPrefetch modFolders(
        [] { return storedModFolderPath(platform::applicationDirPathBeforeStart()); });
    QApplication application(argc, argv);
    fontConfiguration.wait();
    platform::useFormFont();
    const LaunchOption launch = takeLaunchOption(QCoreApplication::arguments());
    int status = 0;
    {
        MainWindow window;
        if (launch.requested)
            return launchSet(window, launch.setName);
        window.show();
        status = application.exec();
    }
    return status;
}
