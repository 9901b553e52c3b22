#include "TestAppFolder.h"

#include "platform/ApplicationFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

TestAppFolder::TestAppFolder(const QString &gameFolderName)
    : gameFolderName(gameFolderName)
{
    QDir().mkpath(appDir());
    platform::setApplicationDirPathOverride(appDir());
}

TestAppFolder::~TestAppFolder()
{
    platform::setApplicationDirPathOverride(QString());
}

QString TestAppFolder::exePath() const
{
    return gameDir() + QLatin1Char('/') + QFileInfo(QStringLiteral(VMM_STANDIN_GAME)).fileName();
}

void TestAppFolder::createGame(const QStringList &multiplay, const QStringList &campaign,
                               const QStringList &global)
{
    QDir().mkpath(gameDir());
    QFile::remove(exePath());
    QFile::copy(QStringLiteral(VMM_STANDIN_GAME), exePath());
    const QStringList subfolders{QStringLiteral("/multiplay"), QStringLiteral("/campaign"),
                                 QStringLiteral("/global")};
    const QList<QStringList> files{multiplay, campaign, global};
    for (int i = 0; i < subfolders.size(); ++i) {
        const QString folder = modFolder() + subfolders.at(i);
        QDir().mkpath(folder);
        for (const QString &name : files.at(i))
            writeFile(folder + QLatin1Char('/') + name, QByteArray("mod"));
    }
    writeFile(configPath(), QByteArray("resolution=1024x768\nsound=on\n"));
}

void TestAppFolder::hide([[maybe_unused]] const QString &path)
{
#ifdef Q_OS_WIN
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    SetFileAttributesW(name.c_str(), GetFileAttributesW(name.c_str()) | FILE_ATTRIBUTE_HIDDEN);
#endif
}

QByteArray TestAppFolder::asSaved(QByteArray lines)
{
#ifdef Q_OS_WIN
    lines.replace("\n", "\r\n");
#endif
    return lines;
}

// In the form the tool writes it, so that its rewrite at every start changes no byte.
void TestAppFolder::writeOptionsIni()
{
    writeFile(optionsIniPath(),
              asSaved(QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\n"
                                     "ConfigFilePath=%3\n")
                          .arg(exePath(), modFolder(), configPath())
                          .toUtf8()));
}

void TestAppFolder::createReadyTool(const QStringList &multiplay, const QStringList &campaign,
                                    const QStringList &global)
{
    createGame(multiplay, campaign, global);
    writeOptionsIni();
    QDir().mkpath(setFilesDir());
}

void TestAppFolder::createSetFile(const QString &name, const QByteArray &content)
{
    QDir().mkpath(setFilesDir());
    writeFile(setFilesDir() + QLatin1Char('/') + name, content);
}

void TestAppFolder::writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(path));
    file.write(content);
}

QByteArray TestAppFolder::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QList<QStringList> TestAppFolder::recordedLaunches() const
{
    QList<QStringList> launches;
    const QStringList lines = launchLog().split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith(QStringLiteral("launch ")))
            continue;
        const int argumentCount = lines.at(i).mid(7).toInt();
        if (i + 1 + argumentCount >= lines.size())
            break; // still being written
        launches.append(lines.mid(i + 1, argumentCount + 1));
        i += argumentCount + 1;
    }
    return launches;
}

QString TestAppFolder::launchLog() const
{
    return QString::fromUtf8(readFile(gameDir() + QStringLiteral("/launches.log")));
}

bool TestAppFolder::waitForLaunches(int count, QDeadlineTimer deadline) const
{
    while (recordedLaunches().size() < count) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}
