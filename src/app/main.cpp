#include "app/MainWindow.h"
#include "platform/FormFont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::useFormFont();
    int status = 0;
    {
        MainWindow window;
        window.show();
        status = application.exec();
    }
    return status;
}
