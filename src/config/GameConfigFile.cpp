#include "config/GameConfigFile.h"

#include "platform/FileReplacement.h"
#include "platform/TextEncoding.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {
// The form of the file as it stands now, which is the form the game reads.
platform::TextEncoding encodingOnDisk(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return platform::TextEncoding::Undetermined;
    return platform::detectTextEncoding(file);
}
} // namespace

GameConfigText readGameConfigFile(const QString &path)
{
    GameConfigText result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        result.errorText = file.errorString();
        return result;
    }
    QTextStream stream(&file);
    platform::setReadingEncoding(stream, platform::detectTextEncoding(file));
    const QString text = stream.readAll();
    // A file cut short by a read error must not reach the editor: saving it would destroy
    // the rest of the user's configuration.
    if (file.error() != QFileDevice::NoError) {
        result.errorText = file.errorString();
        return result;
    }
    result.read = true;
    result.text = text;
    return result;
}

GameConfigWriteResult writeGameConfigFile(const QString &path, const QString &text)
{
    const platform::TextEncoding readAs = encodingOnDisk(path);
    GameConfigWriteResult result;
    QSaveFile file(path);
    if (!platform::openForReplacing(file, &result.errorText))
        return result;
    QTextStream stream(&file);
    // The game reads this file itself: it stays in the code page it was in.
    const auto holds = [&text] { return platform::codePageHolds(text); };
    platform::setWritingEncoding(stream, platform::encodingToWrite(readAs, holds, true));
    stream << text;
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit()) {
        result.errorText = file.errorString();
        return result;
    }
    result.written = true;
    return result;
}
