#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class QAbstractItemView;
class QDropEvent;
class QWidget;

// Takes files dropped from a file manager onto a list and hands them on to be copied in; the
// originals are only read, whatever the file manager proposes. It watches the list's viewport,
// so that the list itself works as before for anything but a drop of files. While one drop is
// being taken in, with its questions and copies, the next is turned away.
class FileDropTarget : public QObject {
    Q_OBJECT

public:
    FileDropTarget(QAbstractItemView *list, QWidget *window);

    // Empty when the URL names a plain file on this computer; otherwise why not.
    static QString refusalOfNonFile(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Runs once the drop itself was answered, so the file manager never waits for it.
    virtual void takeDropped(const QList<QUrl> &urls) = 0;

    // Copies the file into the target's place, after asking `question` when there is one
    // already; a file dropped onto itself is left alone. A failure is reported.
    void copyAsking(const QString &source, const QString &target, const QString &question);
    // One warning for everything refused: `intro` with its %1 the list of refusals.
    void reportRefusals(const QString &intro, QStringList refusals);

    QWidget *const window;

private:
    bool takesDrag(const QDropEvent *event) const;

    bool taking = false;
};
