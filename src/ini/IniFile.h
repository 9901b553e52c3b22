#pragma once

#include "ini/IniLine.h"

#include <QString>
#include <QVector>

// The tool's own line-preserving INI store: comments, blank lines, unknown lines and the
// order of everything survive a read-modify-write cycle.
class IniFile {
public:
    enum Status {
        StatusOk = 0,
        StatusCannotOpen = 1,
        StatusCannotWrite = 2,
        StatusNoFile = 3,
        StatusNoSection = 4,
        StatusNoKey = 5
    };

    IniFile();
    explicit IniFile(const QString &path);

    QString value(const QString &section, const QString &key, const QString &defaultValue);
    void setValue(const QString &section, const QString &key, const QString &value);
    void save(const QString &path);

    int status() const { return statusCode; }
    const QVector<IniLine> &allLines() const { return lines; }
    // The system's reason for the latest load or save failure, for messages.
    QString errorText() const { return lastErrorText; }

private:
    void load(const QString &path);
    int findSection(const QString &section) const;
    bool isEntryFor(const IniLine &line, const QString &key) const;

    QVector<IniLine> lines;
    int statusCode = StatusOk;
    QString lastErrorText;
};
