// Writes arbitrary program and arguments as the Exec key of a desktop entry and reads the
// value back with a parser of its own, made from the rules alone: the string escapes (\s, \n,
// \t, \r, \\) come off first; then arguments are separated by blanks; an argument in double
// quotes may hold anything, with ", `, $ and \ each behind a backslash; an argument outside
// quotes holds no reserved character; %% stands for %, and any other % would be a field code.
// Every argument must come back as it was. The input is split at NUL bytes: program, then
// arguments.

#include "FuzzSupport.h"

#include "platform/DesktopEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

using fuzzsupport::check;

namespace {
const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

std::optional<QString> unescapeString(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != QLatin1Char('\\')) {
            text += value.at(i);
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value.at(i).unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        case '\\':
            text += QLatin1Char('\\');
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

std::optional<QString> expandFieldCodes(const QString &word)
{
    QString text;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word.at(i) != QLatin1Char('%')) {
            text += word.at(i);
            continue;
        }
        if (++i == word.size() || word.at(i) != QLatin1Char('%'))
            return std::nullopt;
        text += QLatin1Char('%');
    }
    return text;
}

// The quoted argument that starts at `i`; on return `i` stands after its closing quote.
std::optional<QString> quotedWord(const QString &line, qsizetype &i)
{
    QString word;
    for (++i; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            ++i;
            return word;
        }
        if (c == QLatin1Char('\\')) {
            if (++i == line.size() || !QStringLiteral("\"`$\\").contains(line.at(i)))
                return std::nullopt;
        }
        word += line.at(i);
    }
    return std::nullopt;
}

std::optional<QString> plainWord(const QString &line, qsizetype &i)
{
    QString word;
    for (; i < line.size() && line.at(i) != QLatin1Char(' '); ++i) {
        if (reserved.contains(line.at(i)))
            return std::nullopt;
        word += line.at(i);
    }
    return word;
}

std::optional<QStringList> parseExec(const QString &value)
{
    const std::optional<QString> line = unescapeString(value);
    if (!line)
        return std::nullopt;
    QStringList words;
    for (qsizetype i = 0; i <= line->size();) {
        const bool quoted = i < line->size() && line->at(i) == QLatin1Char('"');
        const std::optional<QString> word = quoted ? quotedWord(*line, i) : plainWord(*line, i);
        const std::optional<QString> expanded = word ? expandFieldCodes(*word) : std::nullopt;
        if (!expanded)
            return std::nullopt;
        words << *expanded;
        if (i == line->size())
            break;
        if (line->at(i) != QLatin1Char(' '))
            return std::nullopt;
        ++i;
    }
    return words;
}

bool holdsNoLineOfItsOwn(const QString &value)
{
    return !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')) &&
           !value.contains(QLatin1Char('\t')) && !value.startsWith(QLatin1Char(' '));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList words;
    for (const QByteArray &part :
         QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0'))
        words << QString::fromUtf8(part);
    for (const QString &word : words) {
        if (!platform::desktopEntryCanHold(word))
            return 0;
    }

    const QString exec = platform::desktopEntryExec(words.first(), words.mid(1));
    check(holdsNoLineOfItsOwn(exec), "the Exec value stays on its line, its blanks kept");
    const std::optional<QStringList> parsed = parseExec(exec);
    check(parsed.has_value(), "the Exec value follows the rules");
    check(*parsed == words, "every argument comes back as it was");

    const QString name = words.join(QString());
    const QString written = platform::desktopEntryString(name);
    check(holdsNoLineOfItsOwn(written), "a string value stays on its line, its blanks kept");
    check(unescapeString(written) == name, "a string value reads back as it was");
    return 0;
}
