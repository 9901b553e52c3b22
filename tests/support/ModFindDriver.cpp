#include "ModFindDriver.h"

#include "app/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

namespace modfind {
bool showActive(MainWindow &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QLineEdit *field(MainWindow &window)
{
    return window.findChild<QLineEdit *>(QStringLiteral("findMods"));
}

QLineEdit *pressFind(MainWindow &window)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(target, Qt::Key_F, Qt::ControlModifier);
    QLineEdit *edit = field(window);
    return edit && edit->hasFocus() ? edit : nullptr;
}

void type(QWidget *widget, const QString &text)
{
    // A character beyond Latin-1 has no key of its own in Qt Test; the text says it all.
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}

QLineEdit *find(MainWindow &window, const QString &text)
{
    QLineEdit *edit = pressFind(window);
    if (edit)
        type(edit, text);
    return edit;
}
} // namespace modfind
