// Loads arbitrary bytes as an INI file, then checks that lookups, edits, saving and
// reloading keep the store's promises.

#include "FuzzSupport.h"

#include "ini/IniFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using fuzzsupport::check;
using fuzzsupport::workFolder;

namespace {
QStringList lineTexts(const IniFile &ini)
{
    QStringList texts;
    for (const IniLine &line : ini.allLines())
        texts << line.text;
    return texts;
}

// A file that starts with a UTF-16 byte-order mark may decode to halves of surrogate pairs;
// no UTF-8 file can hold those, so a save writes each as a replacement character.
QString storable(const QString &text)
{
    QString result = text;
    for (int i = 0; i < result.size(); ++i) {
        const bool pairStart = result.at(i).isHighSurrogate() && i + 1 < result.size() &&
                               result.at(i + 1).isLowSurrogate();
        if (pairStart)
            ++i;
        else if (result.at(i).isSurrogate())
            result[i] = QChar::ReplacementCharacter;
    }
    return result;
}

QStringList storableLineTexts(const IniFile &ini)
{
    QStringList texts;
    for (const IniLine &line : ini.allLines())
        texts << storable(line.text);
    return texts;
}

// A name made of the input's letters, without the characters that delimit names.
QString nameFrom(const QString &text, int from, int length)
{
    QString name;
    for (int i = from; i < text.size() && name.size() < length; ++i) {
        const QChar c = text.at(i);
        if (c.isLetterOrNumber())
            name += c;
    }
    return name.isEmpty() ? QStringLiteral("K") : name;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = workFolder().filePath(QStringLiteral("input.ini"));
    const QString savedPath = workFolder().filePath(QStringLiteral("saved.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    IniFile ini(path);
    check(ini.status() == 0, "an existing file loads");
    for (const IniLine &line : ini.allLines()) {
        check(line.text == line.text.simplified(), "loaded lines are simplified");
        check(line.kind == IniLine::kindOf(line.text), "loaded lines are classified");
    }

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const IniLine &line : ini.allLines()) {
        if (line.kind == IniLine::LineSection)
            ini.value(line.text.mid(1, line.text.indexOf(QLatin1Char(']')) - 1),
                      nameFrom(text, 0, 4), QStringLiteral("ERROR"));
    }

    ini.save(savedPath);
    check(ini.status() == 0, "saving into a writable folder succeeds");
    IniFile reloaded(savedPath);
    check(lineTexts(reloaded) == storableLineTexts(ini), "a save and reload keeps every line");

    const QString section = nameFrom(text, 0, 6);
    const QString key = nameFrom(text, 3, 5);
    QString value = text.left(40);
    // Cutting between the halves of a surrogate pair leaves a character no file can hold.
    if (!value.isEmpty() && value.back().isHighSurrogate())
        value.chop(1);
    value.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    reloaded.setValue(section, key, value);
    check(reloaded.value(section, key, QStringLiteral("ERROR")) == value, "a set value reads back");
    check(reloaded.status() == 0, "a set key is found");
    reloaded.save(savedPath);
    IniFile again(savedPath);
    const QString reloadedLine = (key + QLatin1Char('=') + value).simplified();
    check(again.value(section, key, QStringLiteral("ERROR")) == reloadedLine.mid(key.size() + 1),
          "a saved value reads back as its simplified line");
    return 0;
}
