#pragma once

#include "Deadlines.h"
#include "MainWindowSpots.h"
#include "TestAppFolder.h"
#include "ToolProcess.h"
#include "XDisplay.h"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

// What every end-to-end test shares: the X display, skipping where there is none, a screenshot
// of each failure, and the start of the built tool in a throw-away folder of its own.
class EndToEndTest : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase();
    void cleanup();

protected:
    // Runs once the display is known to be there.
    virtual void initTestCaseWithDisplay() {}

    // A tool folder whose game folder's name holds a space.
    static QString gameFolderName() { return QStringLiteral("Varnhold Game"); }
    static QString toolPath(const TestAppFolder &folder);
    // The built tool copied into the folder, beside a game with these mods.
    static bool installTool(TestAppFolder &folder, const QStringList &multiplay,
                            const QStringList &campaign = {}, const QStringList &global = {});
    // Starts the tool and waits for its main window of this size (any size when it is null),
    // then gives it the keyboard with a click at focusSpot unless that is null. An empty id
    // when a step failed, with the reason in the log.
    XDisplay::WindowId startTool(ToolProcess &tool, QPoint focusSpot = QPoint(),
                                 QSize size = spots::mainWindowSize);

    // Whether the file is there, or comes within a step's time.
    static bool waitForFile(const QString &path);

    XDisplay display;
};
