#include "app/LaunchOption.h"
#include "app/MainWindow.h"
#include "app/SetLaunch.h"
#include "platform/FormFont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("varnhold-mod-manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VMM_VERSION));
    answerUsageOrVersion(argc, argv);
    QApplication application(argc, argv);
    platform::useFormFont();
    const LaunchOption launch = takeLaunchOption(QCoreApplication::arguments());
    MainWindow window;
    if (launch.requested)
        return launchSet(window, launch.setName);
    window.show();
    return application.exec();
}
