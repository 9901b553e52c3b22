#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// The game's default locations are drive-letter paths, which are relative on this platform:
// this makes them resolve inside `folder` by making it the working folder, and sets the home
// variables the configuration default is built from. Everything is put back afterwards.
class DefaultGamePlace {
public:
    explicit DefaultGamePlace(const QString &folder)
        : previousFolder(QDir::currentPath())
        , previousDrive(saveVariable("HOMEDRIVE"))
        , previousPath(saveVariable("HOMEPATH"))
    {
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
        setHome("C:", "/Users/player");
    }

    ~DefaultGamePlace()
    {
        QDir::setCurrent(previousFolder);
        restoreVariable("HOMEDRIVE", previousDrive);
        restoreVariable("HOMEPATH", previousPath);
    }

    DefaultGamePlace(const DefaultGamePlace &) = delete;
    DefaultGamePlace &operator=(const DefaultGamePlace &) = delete;

    static void setHome(const QByteArray &drive, const QByteArray &path)
    {
        qputenv("HOMEDRIVE", drive);
        qputenv("HOMEPATH", path);
    }

    static QString exePath() { return QStringLiteral("C:/Program Files/Varnhold/varnhold.exe"); }
    static QString modFolder() { return QStringLiteral("C:/Program Files/Varnhold/mods"); }
    static QString configPath()
    {
        return QStringLiteral("C:/Users/player/My Documents/Varnhold 2.3/config");
    }

    // The game at its default place, with the three mod subfolders the scan needs.
    static void create()
    {
        createExecutable();
        createModFolder();
        createConfig();
    }
    static void createExecutable() { writeFile(exePath()); }
    static void createModFolder()
    {
        for (const char *subfolder : {"/multiplay", "/campaign", "/global"})
            QDir().mkpath(modFolder() + QLatin1String(subfolder));
    }
    static void createConfig() { writeFile(configPath()); }

private:
    struct SavedVariable {
        bool set;
        QByteArray value;
    };

    static SavedVariable saveVariable(const char *name)
    {
        return {qEnvironmentVariableIsSet(name), qgetenv(name)};
    }

    static void restoreVariable(const char *name, const SavedVariable &saved)
    {
        if (saved.set)
            qputenv(name, saved.value);
        else
            qunsetenv(name);
    }

    static void writeFile(const QString &path)
    {
        QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(path));
        file.write("x");
    }

    QString previousFolder;
    SavedVariable previousDrive;
    SavedVariable previousPath;
};
