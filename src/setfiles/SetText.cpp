#include "setfiles/SetText.h"

#include "app/state/ModGroup.h"
#include "platform/FileReplacement.h"
#include "platform/TextEncoding.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

namespace {
constexpr qsizetype largestSet = 1 << 20;

QStringList setHeaders()
{
    QStringList headers;
    for (const ModGroupFacts &group : modGroups)
        headers << QStringLiteral("[%1]").arg(QLatin1String(group.setFileSection));
    headers << QStringLiteral("[General]");
    return headers;
}

// As the INI reader sees a line: blanks at either end do not count.
bool isSetHeader(const QString &line, const QStringList &headers)
{
    const QString text = line.simplified();
    return std::any_of(headers.cbegin(), headers.cend(),
                       [&text](const QString &header) { return text.startsWith(header); });
}

// Every line end a chat or an editor may bring, CR LF and a lone CR included, as "\n".
QString withNewlines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The pasted text as lines of a set file. A mark pasted along would stand in front of the
// first header and hide it.
QString pastedLines(const QString &text)
{
    QString lines = withNewlines(text);
    if (lines.startsWith(QChar(0xFEFF)))
        lines.remove(0, 1);
    return lines;
}

QByteArray encodedSetText(const QString &text)
{
    QByteArray bytes;
    QTextStream stream(&bytes);
    platform::setWritingEncoding(
        stream, platform::encodingToWrite(platform::TextEncoding::Undetermined,
                                          [&text] { return platform::codePageHolds(text); }));
    stream << text;
    stream.flush();
    return bytes;
}
} // namespace

SetText readSetText(const QString &path)
{
    const platform::TextFileContent content = platform::readTextFile(path);
    SetText result;
    result.read = content.read;
    result.errorText = content.errorText;
    result.text = content.text;
    return result;
}

bool holdsSet(const QString &text)
{
    // No character takes less than one byte in UTF-8, so a longer text need not be encoded.
    if (text.size() > largestSet || text.toUtf8().size() > largestSet)
        return false;
    if (text.contains(QChar(0)))
        return false;
    const QStringList headers = setHeaders();
    const QStringList lines = pastedLines(text).split(QLatin1Char('\n'));
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&headers](const QString &line) { return isSetHeader(line, headers); });
}

SetFileResult writeSetText(const QString &path, const QString &text)
{
    QString lines = pastedLines(text);
    if (!lines.isEmpty() && !lines.endsWith(QLatin1Char('\n')))
        lines += QLatin1Char('\n');
    SetFileResult result;
    if (!platform::replaceTextFile(path, encodedSetText(lines), &result.errorText))
        result.status = IniFile::StatusCannotWrite;
    return result;
}
