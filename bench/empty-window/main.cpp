// The floor the tool's start-up is measured against: a minimal Qt program that only shows an
// empty window of the tool's size and title.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(536, 424);
    window.setWindowTitle(QStringLiteral("Varnhold Mod Manager"));
    window.show();
    return application.exec();
}
