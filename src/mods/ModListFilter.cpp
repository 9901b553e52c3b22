#include "mods/ModListFilter.h"

#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>

int filterModList(QTreeWidget *list, const QString &text)
{
    const QString folded = text.toCaseFolded();
    int shown = 0;
    const int count = list->topLevelItemCount();
    for (int row = 0; row < count; ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        const bool matches = item->text(0).toCaseFolded().contains(folded);
        // Each change relays the list out later; unchanged items cost only the question.
        if (item->isHidden() == matches)
            item->setHidden(!matches);
        if (matches)
            ++shown;
    }
    return shown;
}
