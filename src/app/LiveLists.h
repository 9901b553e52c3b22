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

// Keeps the three mod lists and the set-file list in step with the disk while the tool runs:
// each follows its folder, and once a burst of changes in it has settled, the folder is listed
// again and its list brought up to date.
class LiveLists : public QObject {
    Q_OBJECT

public:
    LiveLists(MainWindowForm &form, QWidget *window);

    // After the game's locations were changed: when the mod folder is another one now, the mod
    // lists show its mods at once and follow it from then on.
    void followModFolder();

signals:
    // Around each listing of a followed folder: when its list is about to be, and has been,
    // brought up to date.
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
