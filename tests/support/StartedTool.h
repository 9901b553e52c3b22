#pragma once

#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/state/AppState.h"
#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

#include <functional>
#include <memory>

// A tool started on a folder of its own: the platform probe and the temporary folder live
// exactly as long as the window, so every test gets a fresh window on fresh files.
class StartedTool {
public:
    using Preparation = std::function<void(TestAppFolder &folder)>;

    // A ready folder (see TestAppFolder::createReadyTool) with the given mods and empty set files.
    explicit StartedTool(const QStringList &multiplay = {}, const QStringList &campaign = {},
                         const QStringList &global = {}, const QStringList &setFiles = {});
    // A folder that `prepare` lays out, from nothing, before the start.
    explicit StartedTool(const Preparation &prepare);

    MainWindowForm &form() { return window->form(); }
    QString selectedMods();
    QString commandLine();
    QString setFilePath(const QString &name) const;
    // Makes the named set file the list's current item.
    void choose(const QString &setFileName);

    static QTreeWidgetItem *item(QTreeWidget *list, const QString &name);
    // Ticks or unticks through the item, as a click does; the list's own signal does the rest.
    static void tick(QTreeWidget *list, const QString &name, bool ticked = true);

    PlatformProbe probe;
    TestAppFolder folder;
    std::unique_ptr<MainWindow> window;
};
