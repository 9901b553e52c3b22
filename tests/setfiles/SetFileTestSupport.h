#pragma once

#include "FolderSnapshot.h"
#include "TreeItems.h"

#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/MainWindowForm.h"
#include "app/ModEntry.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

class ModTable;
class QDialog;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace setfiletest {

// The line end the tool writes on this platform.
QByteArray lineEnd();

// A set file exactly as the tool writes it for these ticked names and other options.
QByteArray setFileBytes(const QStringList &multiplay, const QStringList &campaign,
                        const QStringList &global, const QString &otherCommands);

// Appends the names to the table and ticks those also named in `ticked`.
void fillTable(ModTable &table, const QStringList &names, const QStringList &ticked = {});

QStringList namesOf(const QVector<ModEntry> &entries);
QStringList itemTexts(const QListWidget *list);
QStringList tickedNames(const ModTable &table);

// A tool started on a ready folder of its own; probe and folder live as long as the window.
struct StartedTool {
    explicit StartedTool(const QStringList &multiplay = {}, const QStringList &campaign = {},
                         const QStringList &global = {}, const QStringList &setFiles = {});

    MainWindowForm &form() { return window->form(); }
    // Makes the named set file the list's current item.
    void choose(const QString &setFileName);

    PlatformProbe probe;
    TestAppFolder folder;
    std::unique_ptr<MainWindow> window;
};

// Answers the modal dialogs the code under test opens, in order, without blocking the test:
// each step waits for a visible modal dialog of its object name and acts on it. A dialog
// that no step expects is rejected after a while and recorded.
class DialogDriver : public QObject {
public:
    using Action = std::function<void(QDialog *dialog)>;

    DialogDriver();
    void expect(const QString &dialogName, Action action);
    int pendingSteps() const { return steps.size(); }
    QStringList unexpectedDialogs;

    static Action clickButton(const QString &objectName);
    static Action clickStandardButton(int standardButton);
    static Action typeNameAndAccept(const QString &name);
    static Action closeFromTitleBar();
    static Action pressEscape();

private:
    void poll();

    QTimer timer;
    QList<QPair<QString, Action>> steps;
    int strayPolls = 0;
};

} // namespace setfiletest
