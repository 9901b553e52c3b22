#pragma once

#include <QLabel>

class QLineEdit;

// How many mods the find field shows, at the right end of the field: "3 of 120" to the eye,
// "3 mods match" to a screen reader. Screen readers speak a notification as it appears, so
// each new count is a new notification: the toolkit's bridge sends a changed name or
// description without the new text, and readers keep the old one.
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
