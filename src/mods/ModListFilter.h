#pragma once

class QString;
class QTreeWidget;
class QTreeWidgetItem;

// What a filtered list shows.
struct ModListFilterResult {
    int shown = 0;
    QTreeWidgetItem *firstShown = nullptr;
};

// Whether a mod's name contains the text, ignoring case: both are compared case-folded, so
// that "élan" finds "Élan.zip" and "AL" finds "alpine.pak". Every name contains the empty text.
bool modNameMatches(const QString &name, const QString &text);

// Hides the items of the list whose names do not contain the text and shows the others.
// Hiding only changes what the list shows: ticks, tables and views are left as they are.
ModListFilterResult filterModList(QTreeWidget *list, const QString &text);
