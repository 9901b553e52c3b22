#include "platform/WindowsCommandLine.h"

namespace platform {
namespace {
bool needsQuotes(const QString &argument)
{
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\v') || c == QLatin1Char('"'))
            return true;
    }
    return false;
}

// Backslashes mean themselves unless a quote follows them: then each pair stands for one,
// and an odd one out makes the quote literal.
QString quoted(const QString &argument)
{
    QString result = QStringLiteral("\"");
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        const qsizetype count = c == QLatin1Char('"') ? 2 * backslashes + 1 : backslashes;
        result += QString(count, QLatin1Char('\\'));
        result += c;
        backslashes = 0;
    }
    result += QString(2 * backslashes, QLatin1Char('\\'));
    result += QLatin1Char('"');
    return result;
}
} // namespace

QString windowsCommandLine(const QStringList &arguments)
{
    QStringList words;
    for (const QString &argument : arguments)
        words.append(needsQuotes(argument) ? quoted(argument) : argument);
    return words.join(QLatin1Char(' '));
}

} // namespace platform
