#include "ini/IniFile.h"

#include "platform/FileReplacement.h"
#include "platform/SystemReason.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {
QString headerFor(const QString &section)
{
    return QLatin1Char('[') + section + QLatin1Char(']');
}

bool isHeaderOf(const IniLine &line, const QString &header)
{
    return line.kind == IniLine::LineSection && line.text.startsWith(header);
}

bool isEntryFor(const IniLine &line, const QString &key)
{
    return line.kind == IniLine::LineEntry && line.text.size() > key.size() &&
           line.text.at(key.size()) == QLatin1Char('=') && line.text.startsWith(key);
}

// The one section name a header can match when that name holds no "]".
QString indexedSectionName(const QString &text)
{
    const int close = text.indexOf(QLatin1Char(']'));
    return close < 0 ? QString() : text.mid(1, close - 1);
}
} // namespace

int IniLine::kindOf(const QString &text)
{
    if (text.isEmpty())
        return LineBlank;
    const QChar first = text.at(0);
    if (first == QLatin1Char(';') || first == QLatin1Char('#'))
        return LineComment;
    if (first == QLatin1Char('['))
        return LineSection;
    return LineEntry;
}

IniFile::IniFile(const QString &path)
{
    load(path);
}

void IniFile::load(const QString &path)
{
    statusCode = StatusOk;
    if (!QFile::exists(path)) {
        statusCode = StatusNoFile;
        lastErrorText = platform::reasonFileCannotBeRead(path);
        return;
    }
    const platform::TextFileContent content = platform::readTextFile(path);
    if (!content.read) {
        statusCode = StatusCannotOpen;
        lastErrorText = content.errorText;
        return;
    }
    fileEncoding = content.encoding;
    // Bytes after the last line end make one more line, even bytes that give no text.
    QList<QStringView> rawLines = QStringView(content.text).split(QLatin1Char('\n'));
    if (!content.lastLineUnended)
        rawLines.removeLast();
    lines.reserve(rawLines.size());
    for (const QStringView rawLine : std::as_const(rawLines)) {
        const QString text = rawLine.toString().simplified();
        lines.append(IniLine{text, IniLine::kindOf(text)});
    }
}

void IniFile::indexLine(int lineNumber) const
{
    const IniLine &line = lines.at(lineNumber);
    if (line.kind == IniLine::LineSection) {
        headerLines.append(lineNumber);
        const QString name = indexedSectionName(line.text);
        if (!name.isNull() && !firstHeaderByName.contains(name))
            firstHeaderByName.insert(name, lineNumber);
        return;
    }
    if (line.kind != IniLine::LineEntry || headerLines.isEmpty())
        return;
    const int equals = line.text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return;
    QHash<QString, int> &keys = firstEntryByKey[headerLines.last()];
    const QString key = line.text.left(equals);
    if (!keys.contains(key))
        keys.insert(key, lineNumber);
}

void IniFile::buildIndex() const
{
    firstHeaderByName.clear();
    firstEntryByKey.clear();
    headerLines.clear();
    for (int i = 0; i < lines.size(); ++i)
        indexLine(i);
    indexValid = true;
}

void IniFile::append(const IniLine &line)
{
    lines.append(line);
    if (indexValid)
        indexLine(lines.size() - 1);
}

IniFile::Location IniFile::locate(const QString &section, const QString &key) const
{
    // A name holding the delimiter could match at more than one place in a line.
    if (section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')))
        return locateByScanning(section, key);
    return locateByIndex(section, key);
}

IniFile::Location IniFile::locateByScanning(const QString &section, const QString &key) const
{
    Location location;
    const QString header = headerFor(section);
    for (int i = 0; i < lines.size() && location.header < 0; ++i) {
        if (isHeaderOf(lines.at(i), header))
            location.header = i;
    }
    if (location.header < 0)
        return location;
    for (int i = location.header + 1; i < lines.size(); ++i) {
        if (lines.at(i).kind == IniLine::LineSection) {
            location.sectionEnd = i;
            return location;
        }
        if (location.entry < 0 && isEntryFor(lines.at(i), key))
            location.entry = i;
    }
    location.sectionEnd = lines.size();
    return location;
}

IniFile::Location IniFile::locateByIndex(const QString &section, const QString &key) const
{
    if (!indexValid)
        buildIndex();
    Location location;
    location.header = firstHeaderByName.value(section, -1);
    if (location.header < 0)
        return location;
    location.entry = firstEntryByKey.value(location.header).value(key, -1);
    const auto next = std::upper_bound(headerLines.cbegin(), headerLines.cend(), location.header);
    location.sectionEnd = next == headerLines.cend() ? lines.size() : *next;
    return location;
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue)
{
    statusCode = StatusOk;
    const Location location = locate(section, key);
    if (location.header < 0) {
        statusCode = StatusNoSection;
        return defaultValue;
    }
    if (location.entry < 0) {
        statusCode = StatusNoKey;
        return defaultValue;
    }
    return lines.at(location.entry).text.mid(key.size() + 1);
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    statusCode = StatusOk;
    const IniLine entry{key + QLatin1Char('=') + value, IniLine::LineEntry};
    const Location location = locate(section, key);
    if (location.header < 0) {
        statusCode = StatusNoSection;
        append(IniLine{headerFor(section), IniLine::LineSection});
        append(entry);
    } else if (location.entry >= 0) {
        // The text up to the key's "=" stays the same, so the index stays valid.
        lines[location.entry].text = entry.text;
    } else if (location.sectionEnd == lines.size()) {
        append(entry);
    } else {
        lines.insert(location.sectionEnd, entry);
        indexValid = false;
    }
}

bool IniFile::codePageHoldsEveryLine() const
{
    return std::all_of(lines.cbegin(), lines.cend(),
                       [](const IniLine &line) { return platform::codePageHolds(line.text); });
}

QByteArray IniFile::encodedText() const
{
    QByteArray text;
    QTextStream stream(&text);
    platform::setWritingEncoding(stream, platform::encodingToWrite(fileEncoding, [this] {
                                     return codePageHoldsEveryLine();
                                 }));
    // A reader would drop a zero-width no-break space at the very start as a byte-order mark.
    if (!lines.isEmpty() && lines.first().text.startsWith(QChar(0xFEFF)))
        stream.setGenerateByteOrderMark(true);
    for (const IniLine &line : std::as_const(lines))
        stream << line.text << '\n';
    stream.flush();
    return text;
}

void IniFile::save(const QString &path)
{
    statusCode = StatusOk;
    lastErrorText.clear();
    if (!platform::replaceTextFile(path, encodedText(), &lastErrorText))
        statusCode = StatusCannotWrite;
}
