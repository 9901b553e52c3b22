#include "EndToEndTest.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtTest>

void EndToEndTest::initTestCase()
{
    const QString reason = XDisplay::unavailableReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    XDisplay::clearScreenshots();
    initTestCaseWithDisplay();
}

void EndToEndTest::cleanup()
{
    if (QTest::currentTestFailed())
        display.screenshot(QStringLiteral("failure"));
}

QString EndToEndTest::toolPath(const TestAppFolder &folder)
{
    return folder.appDir() + QLatin1Char('/') +
           QFileInfo(QString::fromLocal8Bit(VMM_TOOL_EXECUTABLE)).fileName();
}

bool EndToEndTest::installTool(TestAppFolder &folder, const QStringList &multiplay,
                               const QStringList &campaign, const QStringList &global)
{
    folder.createReadyTool(multiplay, campaign, global);
    QFile::remove(toolPath(folder));
    // QFile::copy keeps the permissions, so the copy stays executable.
    return QFile::copy(QString::fromLocal8Bit(VMM_TOOL_EXECUTABLE), toolPath(folder));
}

bool EndToEndTest::waitForFile(const QString &path)
{
    const QDeadlineTimer deadline = deadlines::step();
    while (!QFileInfo::exists(path) && !deadline.hasExpired())
        QThread::msleep(50);
    return QFileInfo::exists(path);
}

XDisplay::WindowId EndToEndTest::startTool(ToolProcess &tool, QPoint focusSpot, QSize size)
{
    if (!tool.start()) {
        qWarning("the tool did not start: %s", qPrintable(tool.describe()));
        return XDisplay::WindowId();
    }
    const XDisplay::WindowId window =
        display.waitForWindow(spots::mainWindowTitle, size, deadlines::toolStart());
    if (window.isEmpty()) {
        qWarning("no main window came: %s", qPrintable(tool.describe()));
        return window;
    }
    if (!focusSpot.isNull() && !display.clickToFocus(window, focusSpot, deadlines::step())) {
        qWarning("the main window never took the keyboard focus");
        return XDisplay::WindowId();
    }
    return window;
}
