#pragma once

#include <QList>
#include <QObject>

class MainWindowForm;
class ModMatchCount;
class QLineEdit;
class QMainWindow;
class QShortcut;
class QTreeWidget;

// The find field of the mod lists, opened by Ctrl+F over the bottom edge of the open page's
// list. It is made at the first Ctrl+F, so until then the window holds exactly the widgets of
// its form; no widget of the form is ever moved, resized, hidden or disabled.
class ModFindField : public QObject {
    Q_OBJECT

public:
    ModFindField(MainWindowForm &form, QMainWindow *window);

    // What Ctrl+F does: opens the field for the list of the open page, or, when it is open,
    // gives it the keyboard with its text selected. Nothing on a page without mods.
    void open();
    // Closes the field and shows every mod of its list again, with the current one in view.
    void close();

    bool isOpen() const { return filtered != nullptr; }
    // The field, null before the first Ctrl+F.
    QLineEdit *field() const { return edit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidget *listOfOpenPage() const;
    void makeField();
    void placeOver(QTreeWidget *list);
    void followPage();
    void applyFilter();
    void showEveryMod(QTreeWidget *list);
    void keepCurrentClearOfField();
    void enableEscapeIn(QTreeWidget *list);
    void describeMatches(int shown);

    MainWindowForm &form;
    QLineEdit *edit = nullptr;
    ModMatchCount *count = nullptr;
    QTreeWidget *filtered = nullptr;
    bool focusLeftWithPage = false;
    // Escape in a filtered list closes the field too; enabled while that list is filtered.
    QList<QShortcut *> escapeInLists;
};
