#pragma once

#include <QList>
#include <QObject>

class MainWindowForm;
class ModMatchCount;
class QLineEdit;
class QMainWindow;
class QShortcut;
class QTreeWidget;

// The find field of the mod lists. Ctrl+F on a page of mods opens it over the bottom edge of
// that page's list; typing shows only the mods whose names contain the text, and the field
// shows how many match, which a screen reader hears. Escape, or emptying the field, closes it
// and shows every mod again. Opening another page of mods filters that list instead; any other page
// closes the field. The field is made at the first Ctrl+F, so until then the window holds
// exactly the widgets of its form, and no widget of the form is ever moved, resized, hidden
// or disabled: the field only covers part of the list while it is open.
//
// It touches the lists' items only through QTreeWidgetItem::setHidden and by making the first
// match current when a filtered list gets the keyboard; items that join a filtered list are
// filtered as they come (the model's rowsInserted). It watches the lists' focus through an
// event filter and gives each an Escape shortcut, enabled only while that list is filtered.
class ModFindField : public QObject {
    Q_OBJECT

public:
    ModFindField(MainWindowForm &form, QMainWindow *window);

    // What Ctrl+F does: opens the field for the list of the open page, or, when it is open,
    // gives it the keyboard with its text selected. Nothing on a page without mods.
    void open();
    // Closes the field and shows every mod of its list again, with the current one in view.
    void close();

    bool isOpen() const;
    // The field, null before the first Ctrl+F, and the list it filters, null while closed.
    QLineEdit *field() const { return edit; }
    QTreeWidget *filteredList() const { return filtered; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidget *listOfOpenPage() const;
    void makeField();
    void placeOver(QTreeWidget *list);
    void followPage();
    void applyFilter();
    void showEveryMod(QTreeWidget *list);
    void enterList();
    void showCurrentOnEntry(QTreeWidget *list);
    void keepCurrentClearOfField();
    void enableEscapeIn(QTreeWidget *list);
    void describeMatches(int shown);

    MainWindowForm &form;
    QLineEdit *edit = nullptr;
    ModMatchCount *count = nullptr;
    QTreeWidget *filtered = nullptr;
    bool focusLeftWithPage = false;
    // Escape in a filtered list closes the field too; one shortcut per list, enabled while
    // that list is filtered.
    QList<QShortcut *> escapeInLists;
};

// Gives the window its find field: the action behind Ctrl+F, no widget yet.
ModFindField *addModFindField(MainWindowForm &form, QMainWindow *window);
