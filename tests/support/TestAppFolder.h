#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away tool folder for one test: the tool's own folder (options.ini, "Set Files")
// and a game folder with its executable, mod subfolders and configuration file. While it
// lives, the tool believes its executable stands in appDir().
class TestAppFolder {
public:
    explicit TestAppFolder(const QString &gameFolderName = QStringLiteral("game"));
    ~TestAppFolder();
    TestAppFolder(const TestAppFolder &) = delete;
    TestAppFolder &operator=(const TestAppFolder &) = delete;

    QString root() const { return temporary.path(); }
    QString appDir() const { return root() + QStringLiteral("/app"); }
    QString optionsIniPath() const { return appDir() + QStringLiteral("/options.ini"); }
    QString setFilesDir() const { return appDir() + QStringLiteral("/Set Files"); }
    QString gameDir() const { return root() + QLatin1Char('/') + gameFolderName; }
    QString exePath() const;
    QString modFolder() const { return gameDir() + QStringLiteral("/mods"); }
    QString configPath() const { return gameDir() + QStringLiteral("/config"); }

    // The game folder with a copy of the stand-in game, the three mod subfolders holding
    // the given files, and a configuration file.
    void createGame(const QStringList &multiplay = {}, const QStringList &campaign = {},
                    const QStringList &global = {});
    // options.ini naming the game folder made by createGame().
    void writeOptionsIni();
    // Both of the above plus an empty "Set Files" folder: a tool ready to start.
    void createReadyTool(const QStringList &multiplay = {}, const QStringList &campaign = {},
                         const QStringList &global = {});
    void createSetFile(const QString &name, const QByteArray &content);

    static void writeFile(const QString &path, const QByteArray &content);
    // Makes the file or folder hidden: on Windows by its attribute, elsewhere its name, which
    // starts with a dot, already does.
    static void hide(const QString &path);
    // The bytes the tool puts on disk for these lines: with the platform's line ends.
    static QByteArray asSaved(QByteArray lines);
    static QByteArray readFile(const QString &path);
    // The launches the stand-in game recorded: for each, its working folder then its arguments.
    QList<QStringList> recordedLaunches() const;
    // Waits until the stand-in game has recorded at least `count` launches.
    bool waitForLaunches(int count, QDeadlineTimer deadline = QDeadlineTimer(10000)) const;
    // The stand-in game's record as it wrote it, for failure messages.
    QString launchLog() const;

private:
    QTemporaryDir temporary;
    QString gameFolderName;
};
