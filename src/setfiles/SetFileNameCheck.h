#pragma once

class QString;

// Whether a typed name can become a listed file in the set-file folder, and nowhere else.
bool isUsableSetFileName(const QString &name);
