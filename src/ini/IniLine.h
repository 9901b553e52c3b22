#pragma once

#include <QString>

// One line of an INI file, kept so that saving writes back everything the tool did not edit.
struct IniLine {
    enum Kind { LineComment = 0, LineSection = 1, LineEntry = 2, LineBlank = 3 };

    QString text;
    int kind = LineBlank;

    // Classifies a line by its first character; the text is taken as it is.
    static int kindOf(const QString &text);
};
