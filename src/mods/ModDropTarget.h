#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class MainWindowForm;
struct ModGroupFacts;
class QDropEvent;
class QTreeWidget;
class QWidget;

// Copies files dropped onto a mod list into the list's subfolder; the live listing then shows
// them. It watches the list's viewport, so the list works as before for anything else.
class ModDropTarget : public QObject {
    Q_OBJECT

public:
    ModDropTarget(QTreeWidget *list, const ModGroupFacts &group, QWidget *window);

    static void addToModLists(MainWindowForm &form, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takesDrag(const QDropEvent *event) const;
    void copyIn(const QList<QUrl> &urls);
    void copyOne(const QString &source, const QString &folder);

    const ModGroupFacts &group;
    QWidget *window;
    bool copying = false;
};
