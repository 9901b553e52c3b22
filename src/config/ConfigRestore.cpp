#include "config/ConfigRestore.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "config/ConfigBackups.h"
#include "config/GameConfigFile.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QShortcut>
#include <QTextCursor>

namespace {
QString describe(const ConfigBackup &backup)
{
    return messageText("%1, %2").arg(backup.keptAt, QLocale::c().formattedDataSize(backup.size));
}

// The version the player chooses; none when the dialog is cancelled.
const ConfigBackup *chooseBackup(QWidget *window, const QVector<ConfigBackup> &backups)
{
    QStringList descriptions;
    for (const ConfigBackup &backup : backups)
        descriptions << describe(backup);
    QPointer<QInputDialog> dialog = new QInputDialog(window);
    dialog->setObjectName(QStringLiteral("RestoreEarlierVersion"));
    dialog->setWindowTitle(messageText("Restore Earlier Version"));
    dialog->setLabelText(messageText("Versions of %1 kept before it was saved, newest first:")
                             .arg(appState().configFilePath));
    dialog->setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog->setComboBoxItems(descriptions);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    const qsizetype chosen = accepted ? descriptions.indexOf(dialog->textValue()) : -1;
    delete dialog;
    return chosen < 0 ? nullptr : &backups.at(chosen);
}

// As one step the player can undo.
void replaceText(QPlainTextEdit *editor, const QString &text)
{
    QTextCursor cursor(editor->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
}

void restoreEarlierVersion(QPlainTextEdit *editor, QWidget *window)
{
    const QVector<ConfigBackup> backups = listConfigBackups(appState().configFilePath);
    const ConfigBackup *chosen = chooseBackup(window, backups);
    if (!chosen)
        return;
    const GameConfigText version = readGameConfigFile(chosen->path);
    if (!version.read) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Read, chosen->path,
                        version.errorText);
        return;
    }
    replaceText(editor, version.text);
}

// Shows the editor's own menu with the action after its own ones; the editor keeps handling
// every other event itself.
class ConfigMenu : public QObject {
public:
    ConfigMenu(QPlainTextEdit *editor, QWidget *window)
        : QObject(editor)
        , editor(editor)
        , restore(new QAction(messageText("Restore Earlier Version..."), editor))
    {
        restore->setObjectName(QStringLiteral("actionRestoreEarlierVersion"));
        connect(restore, &QAction::triggered, this,
                [editor, window] { restoreEarlierVersion(editor, window); });
        editor->installEventFilter(this);
        editor->viewport()->installEventFilter(this);
        openMenuWithShiftF10();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return QObject::eventFilter(watched, event);
        showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }

private:
    // The platform opens the menu for the Menu key itself; Shift+F10 is its twin on the desktops.
    void openMenuWithShiftF10()
    {
        auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), editor);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const QPoint position = editor->cursorRect().center();
            QContextMenuEvent event(QContextMenuEvent::Keyboard, position,
                                    editor->viewport()->mapToGlobal(position));
            QCoreApplication::sendEvent(editor->viewport(), &event);
        });
    }

    void showMenu(const QPoint &where)
    {
        QPointer<QMenu> menu = editor->createStandardContextMenu();
        menu->addSeparator();
        menu->addAction(restore);
        restore->setEnabled(!listConfigBackups(appState().configFilePath).isEmpty());
        menu->exec(where);
        delete menu;
    }

    QPlainTextEdit *editor;
    QAction *restore;
};
} // namespace

void addRestoreEarlierVersion(MainWindowForm &form, QWidget *window)
{
    new ConfigMenu(form.editVHConfig, window);
}
