#pragma once

class QString;
class QWidget;

// The warnings of the set-file operations; `reason` is the system's own text.
void warnCannotReadSetFile(QWidget *window, const QString &path, const QString &reason);
void warnCannotWriteSetFile(QWidget *window, const QString &path, const QString &reason);
void warnCannotDeleteSetFile(QWidget *window, const QString &path, const QString &reason);
void warnUnusableSetFileName(QWidget *window, const QString &name);
