#include "XDisplay.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtGlobal>

namespace {
const int pollIntervalMs = 50;

// xdotool matches titles as extended regular expressions; the test wants the exact title.
QString exactTitlePattern(const QString &title)
{
    static const QString special = QStringLiteral("\\.[](){}*+?|^$");
    QString pattern = QStringLiteral("^");
    for (const QChar ch : title) {
        if (special.contains(ch))
            pattern += QLatin1Char('\\');
        pattern += ch;
    }
    return pattern + QLatin1Char('$');
}

// Beside the test executable, one folder per test: screenshots/<test name>.
QString screenshotFolder()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    return executable.absolutePath() + QStringLiteral("/screenshots/") +
           executable.completeBaseName();
}
} // namespace

QString XDisplay::unavailableReason()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("no X display: run the test under xvfb-run");
    if (!QFileInfo(QStringLiteral(VMM_XDOTOOL)).isExecutable())
        return QStringLiteral("xdotool is not installed");
    return QString();
}

XDisplay::Result XDisplay::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    Result result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return result;
}

XDisplay::Result XDisplay::xdotool(const QStringList &arguments)
{
    return run(QStringLiteral(VMM_XDOTOOL), arguments);
}

QStringList XDisplay::visibleWindows(const QString &title) const
{
    const Result found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), exactTitlePattern(title)});
    if (!found.finished || found.exitCode != 0)
        return {};
    return found.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

XDisplay::WindowId XDisplay::waitForWindow(const QString &title, QSize size,
                                           QDeadlineTimer deadline) const
{
    for (;;) {
        for (const WindowId &window : visibleWindows(title)) {
            if (!size.isValid() || windowSize(window) == size)
                return window;
        }
        if (deadline.hasExpired())
            return WindowId();
        QThread::msleep(pollIntervalMs);
    }
}

bool XDisplay::waitUntilGone(const QString &title, QDeadlineTimer deadline) const
{
    while (!visibleWindows(title).isEmpty()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(pollIntervalMs);
    }
    return true;
}

QSize XDisplay::windowSize(const WindowId &window) const
{
    const Result geometry = xdotool({QStringLiteral("getwindowgeometry"), window});
    static const QRegularExpression size(QStringLiteral("Geometry: (\\d+)x(\\d+)"));
    const QRegularExpressionMatch match = size.match(geometry.output);
    if (!geometry.finished || !match.hasMatch())
        return QSize();
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

void XDisplay::click(const WindowId &window, QPoint point) const
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
             QString::number(point.x()), QString::number(point.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}

XDisplay::WindowId XDisplay::focusedWindow() const
{
    // -f: the window that holds the focus itself, not a guess at its top-level parent.
    const Result focus = xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("-f")});
    return focus.finished && focus.exitCode == 0 ? focus.output.trimmed() : WindowId();
}

bool XDisplay::clickToFocus(const WindowId &window, QPoint point, QDeadlineTimer deadline) const
{
    click(window, point);
    while (focusedWindow() != window) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(pollIntervalMs);
    }
    return true;
}

void XDisplay::pressKeys(const QStringList &keys) const
{
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} +
            keys);
}

void XDisplay::typeText(const QString &text) const
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
             QStringLiteral("--"), text});
}

void XDisplay::screenshot(const QString &step)
{
    const QString importTool = QStringLiteral(VMM_IMPORT);
    const QString file = QStringLiteral("%1/%2-%3.png")
                             .arg(screenshotFolder())
                             .arg(++screenshotCount, 2, 10, QLatin1Char('0'))
                             .arg(step);
    if (importTool.isEmpty()) {
        qWarning("no screenshot of %s: ImageMagick's import is not installed", qPrintable(step));
        return;
    }
    QDir().mkpath(screenshotFolder());
    const Result shot =
        run(importTool, {QStringLiteral("-window"), QStringLiteral("root"), file}, 30000);
    if (!shot.finished || shot.exitCode != 0)
        qWarning("no screenshot of %s", qPrintable(step));
}

void XDisplay::clearScreenshots()
{
    QDir(screenshotFolder()).removeRecursively();
}
