#include "ini/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

int IniLine::kindOf(const QString &text) {
    if (text.isEmpty())
        return LineBlank;
    const QChar first = text.at(0);
    if (first == QLatin1Char(';') || first == QLatin1Char('#'))
        return LineComment;
    if (first == QLatin1Char('['))
        return LineSection;
    return LineEntry;
}

IniFile::IniFile() = default;

IniFile::IniFile(const QString &path) {
    load(path);
}

void IniFile::load(const QString &path) {
    statusCode = StatusOk;
    if (!QFile::exists(path)) {
        statusCode = StatusNoFile;
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        statusCode = StatusCannotOpen;
        lastErrorText = file.errorString();
        return;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    QString rawLine;
    while (stream.readLineInto(&rawLine)) {
        const QString text = rawLine.simplified();
        lines.append(IniLine{text, IniLine::kindOf(text)});
    }
}

int IniFile::findSection(const QString &section) const {
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).kind == IniLine::LineSection && lines.at(i).text.startsWith(header))
            return i;
    }
    return -1;
}

bool IniFile::isEntryFor(const IniLine &line, const QString &key) const {
    return line.kind == IniLine::LineEntry && line.text.size() > key.size() &&
           line.text.at(key.size()) == QLatin1Char('=') && line.text.startsWith(key);
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) {
    statusCode = StatusOk;
    const int header = findSection(section);
    if (header < 0) {
        statusCode = StatusNoSection;
        return defaultValue;
    }
    for (int i = header + 1; i < lines.size(); ++i) {
        const IniLine &line = lines.at(i);
        if (line.kind == IniLine::LineSection)
            break;
        if (isEntryFor(line, key))
            return line.text.mid(key.size() + 1);
    }
    statusCode = StatusNoKey;
    return defaultValue;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value) {
    statusCode = StatusOk;
    const IniLine entry{key + QLatin1Char('=') + value, IniLine::LineEntry};
    const int header = findSection(section);
    if (header < 0) {
        statusCode = StatusNoSection;
        lines.append(IniLine{QLatin1Char('[') + section + QLatin1Char(']'), IniLine::LineSection});
        lines.append(entry);
        return;
    }
    for (int i = header + 1; i < lines.size(); ++i) {
        IniLine &line = lines[i];
        if (line.kind == IniLine::LineSection) {
            lines.insert(i, entry);
            return;
        }
        if (isEntryFor(line, key)) {
            line.text = entry.text;
            return;
        }
    }
    lines.append(entry);
}

// Written to a temporary file beside the target and renamed over it only when complete,
// so a crash or a full disk never leaves a half-written file behind.
void IniFile::save(const QString &path) {
    statusCode = StatusOk;
    lastErrorText.clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        statusCode = StatusCannotWrite;
        lastErrorText = file.errorString();
        return;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    for (const IniLine &line : std::as_const(lines))
        stream << line.text << '\n';
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit()) {
        statusCode = StatusCannotWrite;
        lastErrorText = file.errorString();
    }
}
