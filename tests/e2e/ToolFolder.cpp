#include "ToolFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {
QString fileNameOf(const char *path)
{
    return QFileInfo(QString::fromLocal8Bit(path)).fileName();
}

bool copyExecutable(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    // QFile::copy keeps the permissions, so the copy stays executable.
    return QFile::copy(from, to);
}
} // namespace

ToolFolder::ToolFolder()
{
    QDir().mkpath(appDir());
}

QString ToolFolder::toolPath() const
{
    return appDir() + QLatin1Char('/') + fileNameOf(VMM_TOOL_EXECUTABLE);
}

QString ToolFolder::gameExePath() const
{
    return gameDir() + QLatin1Char('/') + fileNameOf(VMM_STANDIN_GAME);
}

bool ToolFolder::copyBuiltTool()
{
    return copyExecutable(QString::fromLocal8Bit(VMM_TOOL_EXECUTABLE), toolPath());
}

bool ToolFolder::createGame(const QStringList &multiplay, const QStringList &campaign,
                            const QStringList &global)
{
    if (!copyExecutable(QString::fromLocal8Bit(VMM_STANDIN_GAME), gameExePath()))
        return false;
    const QStringList subfolders{QStringLiteral("multiplay"), QStringLiteral("campaign"),
                                 QStringLiteral("global")};
    const QList<QStringList> mods{multiplay, campaign, global};
    for (int i = 0; i < subfolders.size(); ++i) {
        const QString folder = modFolder() + QLatin1Char('/') + subfolders.at(i);
        if (!QDir().mkpath(folder))
            return false;
        for (const QString &name : mods.at(i)) {
            if (!writeFile(folder + QLatin1Char('/') + name, QByteArray("mod")))
                return false;
        }
    }
    const QString options = QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\n"
                                           "ConfigFilePath=%3\n")
                                .arg(gameExePath(), modFolder(), configPath());
    return writeFile(configPath(), QByteArray("fullscreen=0\n")) &&
           writeFile(optionsIniPath(), options.toUtf8());
}

QString ToolFolder::launchLog() const
{
    return QString::fromUtf8(readFile(gameDir() + QStringLiteral("/launches.log")));
}

QList<QStringList> ToolFolder::launches() const
{
    QList<QStringList> launches;
    const QStringList lines = launchLog().split(QLatin1Char('\n'));
    static const QString header = QStringLiteral("launch ");
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith(header))
            continue;
        const int argumentCount = lines.at(i).mid(header.size()).toInt();
        if (i + 1 + argumentCount >= lines.size())
            break; // the game is still writing this record
        launches.append(lines.mid(i + 1, argumentCount + 1));
        i += argumentCount + 1;
    }
    return launches;
}

bool ToolFolder::waitForLaunches(int count, QDeadlineTimer deadline) const
{
    while (launches().size() < count) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

bool ToolFolder::writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QByteArray ToolFolder::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
