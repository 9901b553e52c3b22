#pragma once

#include "mods/FileDropTarget.h"

class MainWindowForm;
struct ModGroupFacts;
class QTreeWidget;

// Takes files dropped from a file manager onto a mod list and copies them into the list's
// subfolder of the mod folder in use; the live listing then shows them. A name that is there
// already brings a question before it is replaced; folders and anything else that is not a
// plain file are refused.
class ModDropTarget : public FileDropTarget {
    Q_OBJECT

public:
    ModDropTarget(QTreeWidget *list, const ModGroupFacts &group, QWidget *window);

    // One for each of the three mod lists.
    static void addToModLists(MainWindowForm &form, QWidget *window);

protected:
    void takeDropped(const QList<QUrl> &urls) override;

private:
    void copyOne(const QString &source, const QString &folder);

    const ModGroupFacts &group;
};
