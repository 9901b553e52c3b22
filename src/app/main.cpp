#include "app/MainWindow.h"
#include "platform/FontConfigurationReader.h"
#include "platform/FormFont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::FontConfigurationReader fontConfiguration;
    QApplication application(argc, argv);
    fontConfiguration.wait();
    platform::useFormFont();
    int status = 0;
    {
        MainWindow window;
        window.show();
        status = application.exec();
    }
    return status;
}
