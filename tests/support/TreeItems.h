#pragma once

#include <QString>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

// What a mod list shows, read the way a person would: every row's text, the ticked rows'
// texts, or the row with a given text.
QStringList itemTexts(QTreeWidget *tree);
QStringList checkedItems(QTreeWidget *tree);
QTreeWidgetItem *itemNamed(QTreeWidget *tree, const QString &text);
