#pragma once

#include <QString>

class MainWindow;
class QLineEdit;
class QWidget;

// Drives the find field of the mod lists as a player does: shows the window, presses Ctrl+F
// and types into the field.
namespace modfind {
// Shows the window and waits until it has the keyboard, so that its shortcuts work.
bool showActive(MainWindow &window);
// The find field, or null while none was made.
QLineEdit *field(MainWindow &window);
// Presses Ctrl+F in the window and returns the field that has the keyboard then, if any.
QLineEdit *pressFind(MainWindow &window);
// Types the text key by key, any characters, as a keyboard layout of the language would.
void type(QWidget *widget, const QString &text);
// Ctrl+F and then the text, key by key.
QLineEdit *find(MainWindow &window, const QString &text);
} // namespace modfind
