#pragma once

class MainWindowForm;
class QString;
class QWidget;

// Adds "Copy Set as Text" and "Paste Set" to the context menu of the set-file list, and takes
// .set files dropped onto the list. A set copied as text can go into a chat; pasted back in, it
// becomes a set of its own.
void addSetSharing(MainWindowForm &form, QWidget *window);

// Puts the text of the set file of this name on the clipboard, with "\n" line ends.
void copySetAsText(QWidget *window, const QString &setFileName);

// Makes the clipboard's text a new set under a name the player gives, which then becomes the
// current set; a clipboard that holds no set is refused with a warning.
void pasteSet(MainWindowForm &form, QWidget *window);
