#include "setfiles/SetShortcut.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "platform/DesktopShortcut.h"
#include "platform/ListContextMenu.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>

namespace {
QString setName(const QString &setFileName)
{
    const QString extension = QStringLiteral(".set");
    return setFileName.endsWith(extension, Qt::CaseInsensitive)
               ? setFileName.chopped(extension.size())
               : setFileName;
}

bool mayReplace(QWidget *window, const QString &path)
{
    if (!platform::desktopShortcutExists(path))
        return true;
    return platform::askQuestion(
        window, messageTitle(MessageTitle::HalvaneV5),
        QCoreApplication::translate("MainWindow",
                                    "The desktop shortcut %1 is there already.\nReplace it?")
            .arg(path));
}
} // namespace

void addSetShortcutAction(MainWindowForm &form, QWidget *window)
{
    QListWidget *list = form.listChooseSetting;
    auto *action =
        new QAction(QCoreApplication::translate("MainWindow", "Create Desktop Shortcut"), list);
    action->setObjectName(QStringLiteral("actionCreateDesktopShortcut"));
    action->setEnabled(list->currentItem() != nullptr);
    QObject::connect(
        list, &QListWidget::currentItemChanged, action,
        [action](QListWidgetItem *current) { action->setEnabled(current != nullptr); });
    QObject::connect(action, &QAction::triggered, list, [list, window] {
        if (const QListWidgetItem *current = list->currentItem())
            createSetShortcut(window, current->text());
    });
    addContextMenuAction(list, action);
}

void createSetShortcut(QWidget *window, const QString &setFileName)
{
    // The name as listed, extension and all: no option of the toolkit's ends in ".set".
    const platform::ToolShortcut shortcut{
        QCoreApplication::translate("MainWindow", "%1 - Varnhold").arg(setName(setFileName)),
        {QStringLiteral("--launch"), setFileName}};
    const QString path = platform::desktopShortcutPath(shortcut.title);
    if (!mayReplace(window, path))
        return;
    QString reason;
    if (!platform::writeToolShortcut(shortcut, path, &reason))
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path, reason);
}
