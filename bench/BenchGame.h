#pragma once

#include <QString>
#include <QTemporaryDir>

// A generated game for the benchmark: N mod files in each mod subfolder, a set file naming
// every multiplayer mod, a configuration file, and the tool's own folder pointing at them.
class BenchGame {
public:
    explicit BenchGame(int modsPerFolder);

    QString appDir() const { return root.path() + QStringLiteral("/app"); }
    QString modFolder() const { return root.path() + QStringLiteral("/game/mods"); }
    QString scratchFile(const QString &name) const { return root.path() + QLatin1Char('/') + name; }
    static QString modName(int index);

private:
    void writeModFolders(int modsPerFolder);
    void writeToolFolder(int modsPerFolder);

    QTemporaryDir root;
};
