#pragma once

class QString;
class QWidget;

// Right after a set was loaded: names the mods it holds that no list shows, if any.
void nameMissingMods(QWidget *window, const QString &setFileName);
