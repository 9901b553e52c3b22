#pragma once

#include "mods/FileDropTarget.h"

class MainWindowForm;
struct ModGroupFacts;
class QTreeWidget;

// Copies files dropped onto a mod list into the list's subfolder; the live listing then shows
// them. A name that is there already brings a question before it is replaced.
class ModDropTarget : public FileDropTarget {
    Q_OBJECT

public:
    ModDropTarget(QTreeWidget *list, const ModGroupFacts &group, QWidget *window);

    static void addToModLists(MainWindowForm &form, QWidget *window);

protected:
    void takeDropped(const QList<QUrl> &urls) override;

private:
    void copyOne(const QString &source, const QString &folder);

    const ModGroupFacts &group;
};
