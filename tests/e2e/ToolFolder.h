#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away installation for one test: the tool's own folder (its executable, options.ini,
// "Set Files") and, beside it, a game folder whose name holds a space, with the stand-in game,
// the three mod subfolders and a configuration file.
class ToolFolder {
public:
    ToolFolder();
    ToolFolder(const ToolFolder &) = delete;
    ToolFolder &operator=(const ToolFolder &) = delete;

    QString root() const { return temporary.path(); }
    QString appDir() const { return root() + QStringLiteral("/app"); }
    QString toolPath() const;
    QString optionsIniPath() const { return appDir() + QStringLiteral("/options.ini"); }
    QString setFilesDir() const { return appDir() + QStringLiteral("/Set Files"); }
    QString gameDir() const { return root() + QStringLiteral("/Varnhold Game"); }
    QString gameExePath() const;
    QString modFolder() const { return gameDir() + QStringLiteral("/mods"); }
    QString configPath() const { return gameDir() + QStringLiteral("/config"); }

    // Copies the freshly built tool into appDir().
    bool copyBuiltTool();
    // The game folder with a copy of the stand-in game, the mod subfolders holding the given
    // files and a configuration file, and an options.ini in appDir() naming all three.
    bool createGame(const QStringList &multiplay, const QStringList &campaign,
                    const QStringList &global);

    // What the stand-in game recorded, one entry per start: its working folder, then its
    // arguments.
    QList<QStringList> launches() const;
    bool waitForLaunches(int count, QDeadlineTimer deadline) const;
    QString launchLog() const;

    static bool writeFile(const QString &path, const QByteArray &content);
    static QByteArray readFile(const QString &path);

private:
    QTemporaryDir temporary;
};
