#include "setfiles/SetSharing.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "platform/ListContextMenu.h"
#include "platform/MessageBoxes.h"
#include "setfiles/SetFileCreation.h"
#include "setfiles/SetFileDropTarget.h"
#include "setfiles/SetFileFolder.h"
#include "setfiles/SetFileList.h"
#include "setfiles/SetFileNames.h"
#include "setfiles/SetText.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>

namespace {
QAction *addAction(QListWidget *list, const char *text, const char *objectName)
{
    auto *action = new QAction(messageText(text), list);
    action->setObjectName(QLatin1String(objectName));
    addContextMenuAction(list, action);
    return action;
}

void addCopyAction(QListWidget *list, QWidget *window)
{
    QAction *copy = addAction(list, "Copy Set as Text", "actionCopySetAsText");
    copy->setEnabled(list->currentItem() != nullptr);
    QObject::connect(list, &QListWidget::currentItemChanged, copy,
                     [copy](QListWidgetItem *current) { copy->setEnabled(current != nullptr); });
    QObject::connect(copy, &QAction::triggered, list, [list, window] {
        if (const QListWidgetItem *current = list->currentItem())
            copySetAsText(window, current->text());
    });
}

void addSeparator(QListWidget *list)
{
    auto *separator = new QAction(list);
    separator->setSeparator(true);
    addContextMenuAction(list, separator);
}

// Upper and lower case may differ where the file system ignores them.
QListWidgetItem *listedItem(QListWidget *list, const QString &setFileName)
{
    QList<QListWidgetItem *> items = list->findItems(setFileName, Qt::MatchExactly);
    if (items.isEmpty())
        items = list->findItems(setFileName, Qt::MatchFixedString);
    return items.value(0);
}

void showAsCurrent(MainWindowForm &form, const QString &setFileName)
{
    refreshSetFileNames();
    relistSetFileList(form, appState().setFileNames);
    if (QListWidgetItem *item = listedItem(form.listChooseSetting, setFileName))
        form.listChooseSetting->setCurrentItem(item);
}
} // namespace

void addSetSharing(MainWindowForm &form, QWidget *window)
{
    QListWidget *list = form.listChooseSetting;
    addSeparator(list);
    addCopyAction(list, window);
    QAction *paste = addAction(list, "Paste Set", "actionPasteSet");
    QObject::connect(paste, &QAction::triggered, list, [&form, window] { pasteSet(form, window); });
    new SetFileDropTarget(form, window);
}

void copySetAsText(QWidget *window, const QString &setFileName)
{
    const QString path = setFilePath(setFileName);
    const SetText set = readSetText(path);
    if (!set.read) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Read, path, set.errorText);
        return;
    }
    QGuiApplication::clipboard()->setText(set.text);
}

void pasteSet(MainWindowForm &form, QWidget *window)
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!holdsSet(text)) {
        platform::showWarning(window, messageTitle(MessageTitle::HalvaneV5),
                              messageText("The clipboard holds no set."));
        return;
    }
    if (!askForNewSetName(window))
        return;
    const QString setFileName = appState().newSetName + QStringLiteral(".set");
    const QString path = setFilePath(setFileName);
    if (QFileInfo::exists(path) &&
        !platform::askQuestion(window, messageTitle(MessageTitle::HalvaneV5),
                               setReplacementQuestion(setFileName)))
        return;
    makeSetFileFolder();
    const SetFileResult result = writeSetText(path, text);
    if (!result.ok()) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path,
                        result.errorText);
        return;
    }
    showAsCurrent(form, setFileName);
}
