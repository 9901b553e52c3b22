#pragma once

#include <QDeadlineTimer>
#include <QSize>
#include <QString>

#include <xcb/xcb.h>

// Watches an X server from outside for top-level windows being mapped. It takes no part in
// the programs it watches: they only draw on the same server.
class MapWatcher {
public:
    // Connects to the display named by DISPLAY; isConnected() says whether that worked.
    MapWatcher();
    ~MapWatcher();
    MapWatcher(const MapWatcher &) = delete;
    MapWatcher &operator=(const MapWatcher &) = delete;

    bool isConnected() const { return connection != nullptr; }

    // Forgets every event so far, so that a following wait sees only what happens after.
    void discardPendingEvents();

    // Waits until the process maps a top-level window of this title and size. False when the
    // deadline passes first.
    bool waitForMappedWindow(qint64 processId, const QString &title, QSize size,
                             QDeadlineTimer deadline);

private:
    bool isWanted(xcb_window_t window, qint64 processId, const QString &title, QSize size);
    QByteArray property(xcb_window_t window, xcb_atom_t name);
    qint64 processIdOf(xcb_window_t window);
    QString titleOf(xcb_window_t window);
    QSize sizeOf(xcb_window_t window);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t titleAtom = XCB_ATOM_NONE;
    xcb_atom_t processIdAtom = XCB_ATOM_NONE;
};
