#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class MainWindowForm;
struct ModGroupFacts;
class QDropEvent;
class QTreeWidget;
class QWidget;

// Takes files dropped from a file manager onto a mod list and copies them into the list's
// subfolder of the mod folder in use; the live listing then shows them. The originals are only
// read, whatever the file manager proposes. A name that is there already brings a question
// before it is replaced; folders and anything else that is not a plain file are refused. It
// watches the list's viewport, so that the list itself works as before for anything but a drop
// of files.
class ModDropTarget : public QObject {
    Q_OBJECT

public:
    ModDropTarget(QTreeWidget *list, const ModGroupFacts &group, QWidget *window);

    // One for each of the three mod lists.
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
