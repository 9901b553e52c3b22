#pragma once

#include "ini/IniLine.h"
#include "platform/TextEncoding.h"

#include <QHash>
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

    IniFile() = default;
    explicit IniFile(const QString &path);

    QString value(const QString &section, const QString &key, const QString &defaultValue);
    void setValue(const QString &section, const QString &key, const QString &value);
    // Replaces the file as a whole, through a temporary file wherever its folder allows one.
    void save(const QString &path);

    int status() const { return statusCode; }
    const QVector<IniLine> &allLines() const { return lines; }
    // The system's reason for the latest load or save failure, for messages.
    QString errorText() const { return lastErrorText; }

private:
    // The lines of a key's section header, of the key (or -1), and where the section ends.
    struct Location {
        int header = -1;
        int entry = -1;
        int sectionEnd = -1;
    };

    void load(const QString &path);
    void append(const IniLine &line);
    Location locate(const QString &section, const QString &key) const;
    Location locateByScanning(const QString &section, const QString &key) const;
    Location locateByIndex(const QString &section, const QString &key) const;
    void buildIndex() const;
    void indexLine(int lineNumber) const;

    bool codePageHoldsEveryLine() const;
    // The lines as they go to disk, encoded, each ending in "\n".
    QByteArray encodedText() const;

    QVector<IniLine> lines;
    // The form the file was read in, kept when it is written back.
    platform::TextEncoding fileEncoding = platform::TextEncoding::Undetermined;
    int statusCode = StatusOk;
    QString lastErrorText;

    // Spares scanning from the first line at each lookup in files of thousands of entries.
    mutable bool indexValid = false;
    mutable QHash<QString, int> firstHeaderByName;
    mutable QHash<int, QHash<QString, int>> firstEntryByKey; // per header line
    mutable QVector<int> headerLines;                        // ascending
};
