#include "config/GameConfigFile.h"

#include "platform/FileReplacement.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

GameConfigText readGameConfigFile(const QString &path)
{
    GameConfigText result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        result.errorText = file.errorString();
        return result;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
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
    GameConfigWriteResult result;
    QSaveFile file(path);
    if (!platform::openForReplacing(file, &result.errorText))
        return result;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    stream << text;
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit()) {
        result.errorText = file.errorString();
        return result;
    }
    result.written = true;
    return result;
}
