#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#ifdef Q_OS_WIN
#include <cstdlib>
#endif

// The game's default locations are drive-letter paths, which are relative on other systems:
// there this makes them resolve inside `folder` by making it the working folder. On Windows
// they are the real places on drive C:, which the tests may only use while nothing stands
// there (as in the Wine prefix the test run makes); what they create there is removed again.
// It also sets the home variables the configuration default is built from. Everything is put
// back afterwards.
class DefaultGamePlace {
public:
    explicit DefaultGamePlace(const QString &folder)
        : previousFolder(QDir::currentPath())
        , previousDrive(saveVariable("HOMEDRIVE"))
        , previousPath(saveVariable("HOMEPATH"))
    {
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
#ifdef Q_OS_WIN
        for (const QString &tree : ownTrees())
            free = free && !QFileInfo::exists(tree);
#endif
        setHome("C:", "/Users/player");
    }

    ~DefaultGamePlace()
    {
        QDir::setCurrent(previousFolder);
        restoreVariable("HOMEDRIVE", previousDrive);
        restoreVariable("HOMEPATH", previousPath);
#ifdef Q_OS_WIN
        if (free) {
            for (const QString &tree : ownTrees())
                QDir(tree).removeRecursively();
        }
#endif
    }

    DefaultGamePlace(const DefaultGamePlace &) = delete;
    DefaultGamePlace &operator=(const DefaultGamePlace &) = delete;

    // Whether the tests may put a game at the default place.
    bool isFree() const
    {
        return free;
    }

    // The drive of a home other than the default one's.
    static QByteArray otherDrive()
    {
#ifdef Q_OS_WIN
        return "C:"; // the only drive every Windows has
#else
        return "D:";
#endif
    }

    // Both values are UTF-8.
    static void setHome(const QByteArray &drive, const QByteArray &path)
    {
#ifdef Q_OS_WIN
        // The environment of Windows is UTF-16; Qt would hand these bytes over in the code page.
        _wputenv_s(L"HOMEDRIVE", QString::fromUtf8(drive).toStdWString().c_str());
        _wputenv_s(L"HOMEPATH", QString::fromUtf8(path).toStdWString().c_str());
#else
        qputenv("HOMEDRIVE", drive);
        qputenv("HOMEPATH", path);
#endif
    }

    static QString exePath()
    {
        return QStringLiteral("C:/Program Files/Varnhold/varnhold.exe");
    }
    static QString modFolder()
    {
        return QStringLiteral("C:/Program Files/Varnhold/mods");
    }
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
    static void createExecutable()
    {
        writeFile(exePath());
    }
    static void createModFolder()
    {
        for (const char *subfolder : {"/multiplay", "/campaign", "/global"})
            QDir().mkpath(modFolder() + QLatin1String(subfolder));
    }
    static void createConfig()
    {
        writeFile(configPath());
    }

private:
    // Everything the tests may create at the default places, as Windows sees them.
    static QStringList ownTrees()
    {
        return {QStringLiteral("C:/Program Files/Varnhold"), QStringLiteral("C:/Users/player"),
                QStringLiteral("C:/Users/Jörg")};
    }

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

    bool free = true;
    QString previousFolder;
    SavedVariable previousDrive;
    SavedVariable previousPath;
};

#define REQUIRE_FREE_DEFAULT_PLACE(place)                                                          \
    if (!(place).isFree())                                                                         \
    QSKIP("something stands at the game's default place on drive C:")
