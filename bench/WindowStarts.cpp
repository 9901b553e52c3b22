#include "WindowStarts.h"

#include "BenchGame.h"
#include "MapWatcher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <vector>

namespace {
const QString windowTitle = QStringLiteral("Varnhold Mod Manager");
const QSize windowSize(536, 424);
const int windowTimeoutMs = 60000;

// The tool keeps options.ini beside its executable, so it runs from the game's tool folder;
// the empty window runs from there too, to load from the same file system.
QString copyIntoToolFolder(const BenchGame &game, const char *builtExecutable)
{
    const QString built = QString::fromLocal8Bit(builtExecutable);
    const QString copy = game.appDir() + QLatin1Char('/') + QFileInfo(built).fileName();
    QFile::remove(copy);
    if (!QFile::copy(built, copy))
        qFatal("cannot copy %s into the tool folder", builtExecutable);
    return copy;
}

double millisecondsUntilMapped(MapWatcher &watcher, const QString &executable)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProgram(executable);
    process.setWorkingDirectory(QFileInfo(executable).absolutePath());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    watcher.discardPendingEvents();
    QElapsedTimer timer;
    timer.start();
    process.start();
    const bool mapped = watcher.waitForMappedWindow(process.processId(), windowTitle, windowSize,
                                                    QDeadlineTimer(windowTimeoutMs));
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!mapped)
        qFatal("the window of %s was never mapped", qPrintable(executable));
    process.kill();
    process.waitForFinished(windowTimeoutMs);
    return ms;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}
} // namespace

std::optional<WindowStartTimes> measureWindowStarts(const BenchGame &game, int rounds)
{
    MapWatcher watcher;
    if (!watcher.isConnected())
        return std::nullopt;
    const QString tool = copyIntoToolFolder(game, VMM_TOOL_EXECUTABLE);
    const QString emptyWindow = copyIntoToolFolder(game, VMM_EMPTY_WINDOW_EXECUTABLE);

    millisecondsUntilMapped(watcher, tool);
    millisecondsUntilMapped(watcher, emptyWindow);
    // In turns, so that a change of load on the machine weighs on both alike.
    std::vector<double> toolTimes;
    std::vector<double> emptyWindowTimes;
    for (int round = 0; round < rounds; ++round) {
        toolTimes.push_back(millisecondsUntilMapped(watcher, tool));
        emptyWindowTimes.push_back(millisecondsUntilMapped(watcher, emptyWindow));
    }
    return WindowStartTimes{median(toolTimes), median(emptyWindowTimes)};
}
