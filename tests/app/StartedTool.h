#pragma once

#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/MainWindowForm.h"

#include <QStringList>

#include <memory>

// A tool started on a ready folder of its own: the platform probe and the temporary folder
// live exactly as long as the window, so every test gets a fresh window on fresh files.
struct StartedTool {
    explicit StartedTool(const QStringList &multiplay = {}, const QStringList &campaign = {},
                         const QStringList &global = {})
    {
        folder.createReadyTool(multiplay, campaign, global);
        window = std::make_unique<MainWindow>();
    }

    MainWindowForm &form() { return window->form(); }

    PlatformProbe probe;
    TestAppFolder folder;
    std::unique_ptr<MainWindow> window;
};
