#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"

#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTitleAndSize();
};

void MainWindowTest::opensWithTitleAndSize() {
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Varnhold Mod Manager"));
    QCOMPARE(window.size(), QSize(536, 424));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
