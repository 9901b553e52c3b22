#include "MapWatcher.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;
} // namespace

MapWatcher::MapWatcher()
{
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        connection = nullptr;
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    root = screens.data->root;
    titleAtom = atom("_NET_WM_NAME");
    processIdAtom = atom("_NET_WM_PID");
    // With no window manager on the server, a program's top-level windows are children of
    // the root window, so their mapping is reported as a change of the root's substructure.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

MapWatcher::~MapWatcher()
{
    if (connection)
        xcb_disconnect(connection);
}

void MapWatcher::discardPendingEvents()
{
    // A round trip: every event the server sent before it has arrived once it returns.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);
}

bool MapWatcher::waitForMappedWindow(qint64 processId, const QString &title, QSize size,
                                     QDeadlineTimer deadline)
{
    pollfd connectionReady{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            ReplyPointer<xcb_generic_event_t> owned(event);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (isWanted(mapped->window, processId, title, size))
                return true;
        }
        if (xcb_connection_has_error(connection) || deadline.hasExpired())
            return false;
        poll(&connectionReady, 1, int(qMin<qint64>(deadline.remainingTime(), 1000)));
    }
}

bool MapWatcher::isWanted(xcb_window_t window, qint64 processId, const QString &title, QSize size)
{
    return processIdOf(window) == processId && titleOf(window) == title && sizeOf(window) == size;
}

QByteArray MapWatcher::property(xcb_window_t window, xcb_atom_t name)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply)
        return QByteArray();
    const int bytes = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), bytes);
}

qint64 MapWatcher::processIdOf(xcb_window_t window)
{
    const QByteArray value = property(window, processIdAtom);
    if (value.size() != int(sizeof(uint32_t)))
        return -1;
    uint32_t processId = 0;
    std::memcpy(&processId, value.constData(), sizeof processId);
    return processId;
}

QString MapWatcher::titleOf(xcb_window_t window)
{
    return QString::fromUtf8(property(window, titleAtom));
}

QSize MapWatcher::sizeOf(xcb_window_t window)
{
    ReplyPointer<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!reply)
        return QSize();
    return QSize(reply->width, reply->height);
}

xcb_atom_t MapWatcher::atom(const char *name)
{
    ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}
