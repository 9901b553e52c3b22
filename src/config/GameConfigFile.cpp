#include "config/GameConfigFile.h"

#include "platform/FileReplacement.h"
#include "platform/TextEncoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {
// The game reads its configuration in the form the file is in now: UTF-8 stays UTF-8, and
// anything else is in the system's code page. Its byte-order mark stays too, on every system.
platform::TextEncoding encodingTheGameReads(const QString &path)
{
    QFile file(path);
    const platform::TextEncoding onDisk = file.open(QIODevice::ReadOnly)
                                              ? platform::detectTextEncoding(file)
                                              : platform::TextEncoding::Undetermined;
    return platform::isUtf8(onDisk) ? onDisk : platform::TextEncoding::CodePage;
}
} // namespace

GameConfigText readGameConfigFile(const QString &path)
{
    // A file cut short by a read error never reaches the editor: saving it would lose the rest.
    platform::TextFileContent content = platform::readTextFile(path);
    return GameConfigText{content.read, std::move(content.text), std::move(content.errorText)};
}

EncodedGameConfig encodeGameConfig(const QString &path, const QString &text)
{
    EncodedGameConfig result;
    const platform::TextEncoding encoding = encodingTheGameReads(path);
    // A code page writes a stand-in for what it cannot hold; the game would find question marks
    // where the player typed letters, so nothing is written.
    if (encoding == platform::TextEncoding::CodePage && !platform::codePageHolds(text)) {
        result.errorText = QCoreApplication::translate(
            "MainWindow", "The system's code page, in which the file is written, cannot hold "
                          "every character of the text");
        return result;
    }
    QTextStream stream(&result.lines);
    platform::setWritingEncoding(stream, encoding);
    stream << text;
    stream.flush();
    result.encoded = true;
    return result;
}

GameConfigWriteResult writeEncodedGameConfig(const QString &path, const QByteArray &lines)
{
    GameConfigWriteResult result;
    result.written = platform::replaceTextFile(path, lines, &result.errorText);
    return result;
}

GameConfigWriteResult writeGameConfigFile(const QString &path, const QString &text)
{
    const EncodedGameConfig encoded = encodeGameConfig(path, text);
    if (!encoded.encoded)
        return GameConfigWriteResult{false, encoded.errorText};
    return writeEncodedGameConfig(path, encoded.lines);
}
