#include "platform/DesktopEntry.h"

#include <algorithm>

namespace platform {
namespace {
bool isReserved(QChar c)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    // A carriage return is no reserved character, but quoted it cannot be taken for a blank.
    return reserved.contains(c) || c == QLatin1Char('\r');
}

bool needsQuotes(const QString &argument)
{
    return argument.isEmpty() || std::any_of(argument.cbegin(), argument.cend(), isReserved);
}

QString doublePercents(QString text)
{
    return text.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

QString keyLine(const char *key, const QString &value)
{
    return QLatin1String(key) + QLatin1Char('=') + value + QLatin1Char('\n');
}
} // namespace

QString desktopEntryExecArgument(const QString &argument)
{
    if (!needsQuotes(argument))
        return doublePercents(argument);
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (QStringView(u"\"`$\\").contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return doublePercents(quoted);
}

QString desktopEntryString(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char(' ') && i == 0)
            escaped += QStringLiteral("\\s");
        else
            escaped += c;
    }
    return escaped;
}

bool desktopEntryCanHold(const QString &value)
{
    for (const QChar c : value) {
        const bool escapable =
            c == QLatin1Char('\n') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
        if ((c.unicode() < 0x20 || c.unicode() == 0x7f) && !escapable)
            return false;
    }
    return true;
}

QString desktopEntryExec(const QString &program, const QStringList &arguments)
{
    QStringList words{desktopEntryExecArgument(program)};
    for (const QString &argument : arguments)
        words.append(desktopEntryExecArgument(argument));
    return desktopEntryString(words.join(QLatin1Char(' ')));
}

QByteArray desktopEntryText(const QString &name, const QString &program,
                            const QStringList &arguments, const QString &icon)
{
    const QString text =
        QStringLiteral("[Desktop Entry]\n") + keyLine("Type", QStringLiteral("Application")) +
        keyLine("Name", desktopEntryString(name)) +
        keyLine("Exec", desktopEntryExec(program, arguments)) +
        keyLine("Icon", desktopEntryString(icon)) + keyLine("Terminal", QStringLiteral("false"));
    return text.toUtf8();
}

} // namespace platform
