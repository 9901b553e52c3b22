#pragma once

#include <QLabel>

class QLineEdit;

// How many mods the find field shows. Each new count is a new label: the toolkit's bridge sends
// a changed name or description without the new text, and screen readers keep the old one.
class ModMatchCount : public QLabel {
    Q_OBJECT

public:
    ModMatchCount(QLineEdit *field, int shown, int total);

    int shown() const { return shownMods; }
    int total() const { return allMods; }

    // What a screen reader says for that many matches.
    static QString spokenCount(int shown);

private:
    int shownMods;
    int allMods;
};
