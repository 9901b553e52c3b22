// Reads arbitrary bytes as a set file and checks the reader against a plain model of the
// format: lines end at LF (every CR is dropped), whitespace is simplified, only the first
// header of a section counts, and a list ends at its first missing index. Then writes what
// was read back out and checks that reading the written file gives the same selection.

#include "FuzzSupport.h"

#include "app/state/AppState.h"
#include "setfiles/SetFileFormat.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringConverter>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using fuzzsupport::check;
using fuzzsupport::workFolder;

namespace {
bool writeBytes(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
}

// The lines as the model of the format sees them, or nothing when the bytes announce a
// byte order other than UTF-8's: the model knows only the system encoding of this machine.
// Carriage returns go after decoding, so a CR inside a broken UTF-8 sequence still breaks it.
std::optional<QStringList> modelLines(const QByteArray &bytes)
{
    const auto announced = QStringConverter::encodingForData(bytes);
    if (announced && *announced != QStringConverter::Utf8)
        return std::nullopt;
    QStringDecoder decode(QStringConverter::Utf8);
    QString text = decode(bytes);
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line = line.simplified();
    return lines;
}

// The first header that begins with "[" + section + "]", and from there each key's first
// entry up to the next header.
QHash<QString, QString> modelSection(const QStringList &lines, const QString &section, bool *found)
{
    QHash<QString, QString> entries;
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    int i = 0;
    while (i < lines.size() && !lines.at(i).startsWith(header))
        ++i;
    *found = i < lines.size();
    for (++i; i < lines.size() && !lines.at(i).startsWith(QLatin1Char('[')); ++i) {
        const QString &line = lines.at(i);
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !entries.contains(line.left(equals)))
            entries.insert(line.left(equals), line.mid(equals + 1));
    }
    return entries;
}

QStringList modelModNames(const QStringList &lines, const QString &section)
{
    bool found = false;
    const QHash<QString, QString> entries = modelSection(lines, section, &found);
    QStringList names;
    for (int index = 0; entries.contains(QStringLiteral("Mod%1").arg(index)); ++index)
        names << entries.value(QStringLiteral("Mod%1").arg(index));
    return names;
}

QString modelOtherCommands(const QStringList &lines)
{
    bool found = false;
    const QHash<QString, QString> entries = modelSection(lines, QStringLiteral("General"), &found);
    return entries.value(QStringLiteral("OtherCommands"), QStringLiteral("ERROR"));
}

QStringList namesOf(const QVector<ModEntry> &entries)
{
    QStringList names;
    for (const ModEntry &entry : entries) {
        check(!entry.ticked, "loaded entries are not ticked");
        names << entry.name;
    }
    return names;
}

struct Selection {
    std::array<QStringList, 3> lists;
    QString otherCommands;

    bool operator==(const Selection &other) const
    {
        return lists == other.lists && otherCommands == other.otherCommands;
    }
};

Selection loadedSelection()
{
    const AppState &state = appState();
    return Selection{
        {namesOf(state.loadedMP), namesOf(state.loadedSP), namesOf(state.loadedGlobal)},
        state.loadedOtherCommands};
}

void checkSingleLineText(const QString &text)
{
    check(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')),
          "read texts hold no line break");
    check(!text.contains(QStringLiteral("  ")), "read texts hold no run of blanks");
    check(text.isEmpty() || !text.back().isSpace(), "read texts end without a blank");
}

bool isValidText(const Selection &selection)
{
    for (const QStringList &names : selection.lists) {
        for (const QString &name : names) {
            if (!name.isValidUtf16())
                return false;
        }
    }
    return selection.otherCommands.isValidUtf16();
}

// Ticks every name read, each once per mention, and writes the selection as a set file.
void writeSelection(const Selection &selection, const QString &path)
{
    resetAppState();
    AppState &state = appState();
    std::array<ModTable *, 3> tables{&state.modsMP, &state.modsSP, &state.modsGlobal};
    for (size_t list = 0; list < tables.size(); ++list) {
        for (const QString &name : selection.lists.at(list)) {
            tables.at(list)->append(name);
            tables.at(list)->setTicked(tables.at(list)->size() - 1, true);
        }
    }
    state.otherCommands = selection.otherCommands;
    check(writeSetFile(path).ok(), "a set file is written into a writable folder");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = workFolder().filePath(QStringLiteral("input.set"));
    const QString writtenPath = workFolder().filePath(QStringLiteral("written.set"));
    if (!writeBytes(path, data, size))
        return 0;

    resetAppState();
    check(readSetFile(path).ok(), "an existing file is read");
    const Selection read = loadedSelection();
    for (const QStringList &names : read.lists) {
        for (const QString &name : names)
            checkSingleLineText(name);
    }
    checkSingleLineText(read.otherCommands);

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QStringList> lines = modelLines(bytes)) {
        const Selection model{{modelModNames(*lines, QStringLiteral("SettingMP")),
                               modelModNames(*lines, QStringLiteral("SettingSP")),
                               modelModNames(*lines, QStringLiteral("SettingGlobal"))},
                              modelOtherCommands(*lines)};
        check(read == model, "the reader agrees with the model of the format");
    }

    // A byte order mark may switch the reader to UTF-16, where broken surrogate pairs can come
    // through; the system encoding cannot write those back.
    if (!isValidText(read))
        return 0;
    writeSelection(read, writtenPath);
    resetAppState();
    check(readSetFile(writtenPath).ok(), "a written set file is read");
    check(loadedSelection() == read, "a written selection reads back the same");
    return 0;
}
