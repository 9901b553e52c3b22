#include "BenchGame.h"

#include <QDir>
#include <QFile>

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
}
} // namespace

BenchGame::BenchGame(int modsPerFolder)
{
    writeModFolders(modsPerFolder);
    writeToolFolder(modsPerFolder);
}

QString BenchGame::modName(int index)
{
    return QStringLiteral("Mod %1 of the great collection.zip").arg(index, 6, 10, QLatin1Char('0'));
}

void BenchGame::writeModFolders(int modsPerFolder)
{
    for (const char *subfolder : {"/multiplay", "/campaign", "/global"}) {
        const QString folder = modFolder() + QLatin1String(subfolder);
        QDir().mkpath(folder);
        for (int i = 0; i < modsPerFolder; ++i)
            writeFile(folder + QLatin1Char('/') + modName(i), QByteArray());
    }
}

void BenchGame::writeToolFolder(int modsPerFolder)
{
    const QString game = root.path() + QStringLiteral("/game");
    writeFile(game + QStringLiteral("/varnhold"), QByteArray());
    QByteArray config;
    for (int i = 0; i < 200; ++i)
        config += "setting" + QByteArray::number(i) + "=value\n";
    writeFile(game + QStringLiteral("/config"), config);

    QDir().mkpath(appDir() + QStringLiteral("/Set Files"));
    writeFile(appDir() + QStringLiteral("/options.ini"),
              QStringLiteral("[Paths]\nExecutablePath=%1/varnhold\nModFolderPath=%2\n"
                             "ConfigFilePath=%1/config\n")
                  .arg(game, modFolder())
                  .toUtf8());
    QByteArray set = "[SettingMP]\n";
    for (int i = 0; i < modsPerFolder; ++i)
        set += "Mod" + QByteArray::number(i) + "=" + modName(i).toUtf8() + "\n";
    set += "Count=" + QByteArray::number(modsPerFolder) +
           "\n[SettingSP]\nCount=0\n[SettingGlobal]\nCount=0\n[General]\nOtherCommands=-x\n";
    writeFile(appDir() + QStringLiteral("/Set Files/all-multiplay.set"), set);
}
