#pragma once

class QString;
class QTreeWidget;

// Hides the items of the list whose names do not contain the text, ignoring case, and shows
// the others; returns how many it shows. Both are compared case-folded, so that "élan" finds
// "Élan.zip" and "AL" finds "alpine.pak"; every name contains the empty text. Hiding only
// changes what the list shows: ticks, tables and views are left as they are.
int filterModList(QTreeWidget *list, const QString &text);
