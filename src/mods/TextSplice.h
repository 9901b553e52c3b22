#pragma once

#include <QString>

// One change to a text: at `position`, `removed` characters make way for `inserted`.
struct TextSplice {
    qsizetype position = 0;
    qsizetype removed = 0;
    QString inserted;

    void applyTo(QString &text) const { text.replace(position, removed, inserted); }
};
