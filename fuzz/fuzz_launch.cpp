// Builds the game's start from arbitrary other options, executable path and ticked mod names,
// and checks the promises of the splitting: outside double quotes white space separates words;
// a lone quote switches quoting on or off; two quotes in a row change nothing; three stand for
// one literal quote; no word is empty. Mods come first, one argument each, whatever their names
// hold. The input is split at NUL bytes: other options, executable path, then mod names.

#include "FuzzSupport.h"

#include "app/state/AppState.h"
#include "mods/LaunchRequest.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using fuzzsupport::check;

namespace {
const QChar quote(QLatin1Char('"'));

// The words by the quoting rules, taking each run of quotes as a whole: every three give one
// literal quote, and one left over switches quoting.
QStringList modelWords(const QString &text)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) == quote) {
            qsizetype run = 0;
            while (i < text.size() && text.at(i) == quote) {
                ++run;
                ++i;
            }
            word += QString(run / 3, quote);
            if (run % 3 == 1)
                quoted = !quoted;
            continue;
        }
        const QChar c = text.at(i++);
        if (c.isSpace() && !quoted) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

QStringList splitAtWhiteSpace(const QString &text)
{
    QStringList words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text.at(i).isSpace())
            continue;
        if (i > start)
            words << text.mid(start, i - start);
        start = i + 1;
    }
    return words;
}

// Writes a word so that the rules give it back unchanged: in quotes, each quote tripled.
QString quotedWord(const QString &word)
{
    QString tripled = word;
    tripled.replace(quote, QStringLiteral("\"\"\""));
    return quote + tripled + quote;
}

QStringList splitAtNul(const QByteArray &bytes)
{
    QStringList parts;
    for (const QByteArray &part : bytes.split('\0'))
        parts << QString::fromUtf8(part);
    return parts;
}

struct Mods {
    QStringList arguments;
};

Mods tickMods(const QStringList &names)
{
    static const std::array<QString, 3> options{
        QStringLiteral("--mod_mp="), QStringLiteral("--mod_ca="), QStringLiteral("--mod=")};
    AppState &state = appState();
    std::array<ModTable *, 3> tables{&state.modsMP, &state.modsSP, &state.modsGlobal};
    std::array<QStringList, 3> byGroup;
    for (qsizetype i = 0; i < names.size(); ++i) {
        ModTable &table = *tables.at(size_t(i % 3));
        table.append(names.at(i));
        // Every other mod stays unticked and must not reach the game.
        if (i % 2 == 0) {
            table.setTicked(table.size() - 1, true);
            byGroup.at(size_t(i % 3)) << options.at(size_t(i % 3)) + names.at(i);
        }
    }
    return Mods{byGroup.at(0) + byGroup.at(1) + byGroup.at(2)};
}

void checkWorkingFolder(const QString &exePath, const QString &folder)
{
    const qsizetype slash = exePath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        check(folder.isEmpty(), "a bare program name works in the current folder");
    } else if (slash == 0) {
        check(folder == QStringLiteral("/"), "a program at the top works in the top folder");
    } else {
        check(folder == exePath.left(slash), "the game works in its executable's folder");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts =
        splitAtNul(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    resetAppState();
    AppState &state = appState();
    state.otherCommands = parts.value(0);
    state.exePath = parts.value(1);
    const Mods mods = tickMods(parts.mid(2));

    const platform::DetachedStartRequest request = buildLaunchRequest();
    if (state.exePath.isEmpty() || QDir::isAbsolutePath(state.exePath)) {
        check(request.program == state.exePath, "an absolute program path stays as it stands");
    } else {
        check(QDir::isAbsolutePath(request.program) &&
                  request.program.endsWith(QLatin1Char('/') + state.exePath),
              "a relative program path is taken below the working folder, as it stands");
    }
    checkWorkingFolder(state.exePath, request.workingDirectory);
    check(request.arguments.mid(0, mods.arguments.size()) == mods.arguments,
          "each ticked mod is one argument, in group and table order");

    const QStringList words = request.arguments.mid(mods.arguments.size());
    check(words == modelWords(state.otherCommands), "the other options split by the rules");
    for (const QString &word : words)
        check(!word.isEmpty(), "no word is empty");
    if (!state.otherCommands.contains(quote)) {
        check(words == splitAtWhiteSpace(state.otherCommands),
              "without quotes, white space alone separates the words");
    }

    QStringList quoted;
    for (const QString &word : words)
        quoted << quotedWord(word);
    check(QProcess::splitCommand(quoted.join(QLatin1Char(' '))) == words,
          "words written in quotes split back to themselves");
    return 0;
}
