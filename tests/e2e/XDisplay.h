#pragma once

#include <QDeadlineTimer>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

// The X server the test runs in, used as a person would: through real pointer moves, clicks
// and key presses (xdotool, which sends them through the XTEST extension), and looked at only
// through window titles, window sizes and screenshots. Every call is bounded in time.
class XDisplay {
public:
    using WindowId = QString;

    // Empty when no display is there to drive; the test cannot run then.
    static QString unavailableReason();

    // The first visible top-level window with exactly this title (and this size, when one
    // is given) that shows up before the deadline; empty when none does.
    WindowId waitForWindow(const QString &title, QSize size, QDeadlineTimer deadline) const;
    // True once no visible window has this title any more.
    bool waitUntilGone(const QString &title, QDeadlineTimer deadline) const;
    QSize windowSize(const WindowId &window) const;

    // Moves the pointer to a point given in the window's own coordinates and clicks there.
    void click(const WindowId &window, QPoint point) const;
    // A click into a window that lacks the keyboard makes the toolkit ask for it; keys sent
    // before the server has moved the focus would be lost. This clicks and then waits until
    // the window holds the keyboard focus.
    bool clickToFocus(const WindowId &window, QPoint point, QDeadlineTimer deadline) const;
    // Key names as X knows them: "Tab", "space", "Home", "Down", "Return".
    void pressKeys(const QStringList &keys) const;
    void typeText(const QString &text) const;

    // Saves the whole screen in the test's screenshot folder as the next numbered step; a
    // failure to do so is only reported, since the tests judge what the program did, not
    // its pixels.
    void screenshot(const QString &step);
    // Empties the screenshot folder, so that it only shows the latest run.
    static void clearScreenshots();

private:
    struct Result {
        bool finished = false;
        int exitCode = -1;
        QString output;
    };
    static Result run(const QString &program, const QStringList &arguments, int timeoutMs = 10000);
    static Result xdotool(const QStringList &arguments);
    QStringList visibleWindows(const QString &title) const;
    WindowId focusedWindow() const;

    int screenshotCount = 0;
};
