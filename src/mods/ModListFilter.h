#pragma once

class QString;
class QTreeWidget;

// Shows only the items whose names contain the text, case-folded; returns how many it shows.
int filterModList(QTreeWidget *list, const QString &text);
