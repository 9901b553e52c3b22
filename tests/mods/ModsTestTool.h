#pragma once

#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/MainWindowForm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTreeWidget>

#include <memory>

// A tool started on a game of its own with the given mod files. The locations are put in
// place beforehand as well as written to options.ini, so start-up finds them either way.
struct ModsTestTool {
    explicit ModsTestTool(const QStringList &multiplay = {}, const QStringList &campaign = {},
                          const QStringList &global = {})
    {
        folder.createReadyTool(multiplay, campaign, global);
        useFolderLocations();
        window = std::make_unique<MainWindow>();
    }

    void useFolderLocations()
    {
        AppState &state = appState();
        state.exePath = folder.exePath();
        state.modFolderPath = folder.modFolder();
        state.configFilePath = folder.configPath();
    }

    MainWindowForm &form() { return window->form(); }
    QString selectedMods() { return form().SelectedMods->toPlainText(); }
    QString commandLine() { return form().CurrentCommandLine->text(); }

    static QTreeWidgetItem *item(QTreeWidget *list, const QString &name)
    {
        const QList<QTreeWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    // Ticks or unticks through the item, as a click does; the list's own signal does the rest.
    static void tick(QTreeWidget *list, const QString &name, bool ticked = true)
    {
        item(list, name)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }

    PlatformProbe probe;
    TestAppFolder folder;
    std::unique_ptr<MainWindow> window;
};
