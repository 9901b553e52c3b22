#pragma once

#include <QObject>
#include <QString>

#include <array>

class MainWindowForm;
struct ModGroupFacts;
class QWidget;

namespace platform {
class FolderWatch;
}

// Keeps the three mod lists and the set-file list in step with their folders while the tool runs.
class LiveLists : public QObject {
    Q_OBJECT

public:
    LiveLists(MainWindowForm &form, QWidget *window);

    // After the game's locations were changed: the mod lists show and follow a new mod folder.
    void followModFolder();

signals:
    // Around each listing of a followed folder.
    void relistStarted(const QString &folderPath);
    void relisted(const QString &folderPath);

private:
    void followSubfolders();
    void relistMods(const ModGroupFacts &group);
    void relistSetFiles();
    void warnOfMissingSubfolder();
    void warnOfRefusedWatch(const QString &folder, const QString &reason);

    MainWindowForm &form;
    QWidget *window;
    // In the order of the mod groups.
    std::array<platform::FolderWatch *, 3> modWatches{};
    platform::FolderWatch *setFileWatch;
    QString followedModFolder;
};
