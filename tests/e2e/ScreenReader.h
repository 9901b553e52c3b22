#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <memory>

struct _AtspiAccessible;
struct _AtspiEvent;
struct _AtspiEventListener;

// Reads running programs the way a screen reader does: through the AT-SPI library over the
// session's accessibility bus, with the library's own caching, kept up to date by the events
// it receives while the test's event loop runs. It also hears notifications as they appear,
// which screen readers speak at once. Every call is bounded in time by the library itself.
class ScreenReader {
public:
    using Node = std::shared_ptr<_AtspiAccessible>;

    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    // Empty when the library could reach the accessibility bus; otherwise why not.
    QString unavailableReason() const { return failure; }

    // The running application of this name, once it has registered.
    Node application(const QString &name, QDeadlineTimer deadline) const;
    // The first object below the root, depth first, with this role name ("tree", "text",
    // "menu item", ...) and this name; the items of lists and menus are not searched, so that
    // long lists cost nothing.
    Node find(const Node &root, const QString &role, const QString &name) const;

    QString name(const Node &node) const;
    QString description(const Node &node) const;
    QString text(const Node &node) const;
    bool isShowing(const Node &node) const;
    bool isFocused(const Node &node) const;
    // The names of the node's children of this role, in order, and of those that are checked.
    QStringList childNames(const Node &node, const QString &role) const;
    QStringList checkedChildNames(const Node &node, const QString &role) const;

    // What the notifications said as they appeared, in order.
    QStringList notificationsHeard() const { return heard; }
    // The objects that got the keyboard, in order, each as "role: name": what a screen reader
    // announces as the player moves, also in menus.
    QStringList focusHeard() const { return focused; }
    QString lastFocusHeard() const { return focused.value(focused.size() - 1); }

private:
    static void onShowing(_AtspiEvent *event, void *reader);
    static void onFocused(_AtspiEvent *event, void *reader);

    QString failure;
    _AtspiEventListener *showingListener = nullptr;
    _AtspiEventListener *focusListener = nullptr;
    QStringList heard;
    QStringList focused;
};
