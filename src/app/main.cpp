#include "app/MainWindow.h"
#include "platform/FormFont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::useFormFont();
    MainWindow window;
    window.show();
    return application.exec();
}
