#include "TreeItems.h"

#include <QListWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

QStringList itemTexts(QTreeWidget *tree)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::All); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList checkedItems(QTreeWidget *tree)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::All); *it; ++it) {
        if ((*it)->checkState(0) == Qt::Checked)
            texts << (*it)->text(0);
    }
    return texts;
}

QTreeWidgetItem *itemNamed(QTreeWidget *tree, const QString &text)
{
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::All); *it; ++it) {
        if ((*it)->text(0) == text)
            return *it;
    }
    return nullptr;
}
