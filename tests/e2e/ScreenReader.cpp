// The AT-SPI headers come first: GLib's structures use names that Qt's headers define as
// keywords.
#include <atspi/atspi.h>

#include "ScreenReader.h"

#include <QThread>
#include <QtTest>

namespace {
ScreenReader::Node adopt(AtspiAccessible *object)
{
    return ScreenReader::Node(object, [](AtspiAccessible *held) {
        if (held)
            g_object_unref(held);
    });
}

QString takeString(gchar *text, GError *error)
{
    if (error)
        g_error_free(error);
    const QString result = QString::fromUtf8(text ? text : "");
    g_free(text);
    return result;
}

QString roleName(AtspiAccessible *object)
{
    GError *error = nullptr;
    return takeString(atspi_accessible_get_role_name(object, &error), error);
}

QString nameOf(AtspiAccessible *object)
{
    GError *error = nullptr;
    return takeString(atspi_accessible_get_name(object, &error), error);
}

bool hasState(AtspiAccessible *object, AtspiStateType state)
{
    AtspiStateSet *states = atspi_accessible_get_state_set(object);
    if (!states)
        return false;
    const bool has = atspi_state_set_contains(states, state);
    g_object_unref(states);
    return has;
}

QList<ScreenReader::Node> children(AtspiAccessible *object)
{
    QList<ScreenReader::Node> result;
    GError *error = nullptr;
    const int count = atspi_accessible_get_child_count(object, &error);
    if (error) {
        g_error_free(error);
        return result;
    }
    for (int index = 0; index < count; ++index) {
        AtspiAccessible *child = atspi_accessible_get_child_at_index(object, index, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
        }
        if (child)
            result.append(adopt(child));
    }
    return result;
}

const char *const showingEvent = "object:state-changed:showing";
const char *const focusEvent = "object:state-changed:focused";

bool holdsItems(const QString &role)
{
    return role == QLatin1String("tree") || role == QLatin1String("list") ||
           role == QLatin1String("table") || role == QLatin1String("tree table");
}

ScreenReader::Node findBelow(const ScreenReader::Node &root,
                             const std::function<bool(const QString &, AtspiAccessible *)> &match)
{
    if (!root)
        return {};
    for (const ScreenReader::Node &child : children(root.get())) {
        const QString role = roleName(child.get());
        if (match(role, child.get()))
            return child;
        if (holdsItems(role))
            continue;
        if (ScreenReader::Node found = findBelow(child, match))
            return found;
    }
    return {};
}
} // namespace

ScreenReader::ScreenReader()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        failure = QStringLiteral("no session bus (run the test through dbus-run-session)");
        return;
    }
    if (atspi_init() > 1) {
        failure = QStringLiteral("the AT-SPI library could not reach the accessibility bus");
        return;
    }
    showingListener = atspi_event_listener_new(&ScreenReader::onShowing, this, nullptr);
    focusListener = atspi_event_listener_new(&ScreenReader::onFocused, this, nullptr);
    GError *error = nullptr;
    if (!atspi_event_listener_register(showingListener, showingEvent, &error) ||
        !atspi_event_listener_register(focusListener, focusEvent, &error)) {
        failure = QStringLiteral("cannot listen for events: ") +
                  QString::fromUtf8(error ? error->message : "");
        if (error)
            g_error_free(error);
    }
}

ScreenReader::~ScreenReader()
{
    if (showingListener) {
        atspi_event_listener_deregister(showingListener, showingEvent, nullptr);
        g_object_unref(showingListener);
    }
    if (focusListener) {
        atspi_event_listener_deregister(focusListener, focusEvent, nullptr);
        g_object_unref(focusListener);
    }
}

// A screen reader speaks a notification as it shows, reading its name then.
void ScreenReader::onShowing(AtspiEvent *event, void *reader)
{
    if (event->detail1 == 1 && event->source &&
        atspi_accessible_get_role(event->source, nullptr) == ATSPI_ROLE_NOTIFICATION)
        static_cast<ScreenReader *>(reader)->heard.append(nameOf(event->source));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

void ScreenReader::onFocused(AtspiEvent *event, void *reader)
{
    if (event->detail1 == 1 && event->source)
        static_cast<ScreenReader *>(reader)->focused.append(
            roleName(event->source) + QStringLiteral(": ") + nameOf(event->source));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

ScreenReader::Node ScreenReader::application(const QString &name, QDeadlineTimer deadline) const
{
    while (true) {
        AtspiAccessible *desktop = atspi_get_desktop(0);
        for (const Node &application : children(desktop)) {
            if (nameOf(application.get()) == name) {
                g_object_unref(desktop);
                return application;
            }
        }
        g_object_unref(desktop);
        if (deadline.hasExpired())
            return {};
        QTest::qWait(100);
    }
}

ScreenReader::Node ScreenReader::find(const Node &root, const QString &role,
                                      const QString &name) const
{
    return findBelow(root, [&](const QString &childRole, AtspiAccessible *child) {
        return childRole == role && nameOf(child) == name;
    });
}

QString ScreenReader::name(const Node &node) const
{
    return node ? nameOf(node.get()) : QString();
}

QString ScreenReader::description(const Node &node) const
{
    if (!node)
        return {};
    GError *error = nullptr;
    return takeString(atspi_accessible_get_description(node.get(), &error), error);
}

QString ScreenReader::text(const Node &node) const
{
    AtspiText *text = node ? atspi_accessible_get_text_iface(node.get()) : nullptr;
    if (!text)
        return {};
    GError *error = nullptr;
    const int length = atspi_text_get_character_count(text, &error);
    if (error) {
        g_error_free(error);
        error = nullptr;
    }
    const QString result = takeString(atspi_text_get_text(text, 0, length, &error), error);
    g_object_unref(text);
    return result;
}

bool ScreenReader::isShowing(const Node &node) const
{
    return node && hasState(node.get(), ATSPI_STATE_SHOWING);
}

bool ScreenReader::isFocused(const Node &node) const
{
    return node && hasState(node.get(), ATSPI_STATE_FOCUSED);
}

QStringList ScreenReader::childNames(const Node &node, const QString &role) const
{
    QStringList names;
    if (!node)
        return names;
    for (const Node &child : children(node.get())) {
        if (roleName(child.get()) == role)
            names.append(nameOf(child.get()));
    }
    return names;
}

QStringList ScreenReader::checkedChildNames(const Node &node, const QString &role) const
{
    QStringList names;
    if (!node)
        return names;
    for (const Node &child : children(node.get())) {
        if (roleName(child.get()) == role && hasState(child.get(), ATSPI_STATE_CHECKED))
            names.append(nameOf(child.get()));
    }
    return names;
}
