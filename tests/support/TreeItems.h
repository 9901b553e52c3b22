#pragma once

#include <QString>
#include <QStringList>

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// What a mod list shows, read the way a person would: every row's text, the ticked rows'
// texts, or the row with a given text. The set-file list's rows the same way.
QStringList itemTexts(QTreeWidget *tree);
QStringList itemTexts(const QListWidget *list);
QStringList checkedItems(QTreeWidget *tree);
QTreeWidgetItem *itemNamed(QTreeWidget *tree, const QString &text);
