#include "setfiles/SetFileList.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/ModLists.h"
#include "mods/ModViewBatch.h"
#include "platform/Trash.h"
#include "setfiles/SetFileFolder.h"
#include "setfiles/SetFileFormat.h"
#include "setfiles/SetFileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
// The tree's own change signal brings the tables and views up to date.
void tickNamedItems(QTreeWidget *tree, const QVector<ModEntry> &loaded)
{
    if (loaded.isEmpty())
        return;
    QSet<QString> names;
    names.reserve(loaded.size());
    for (const ModEntry &entry : loaded)
        names.insert(entry.name);
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::All); *it; ++it) {
        if (names.contains((*it)->text(0)))
            (*it)->setCheckState(0, Qt::Checked);
    }
}

// A folder named like a set is no set the tool made, and is not removed with all it holds.
bool removeSetFile(const QString &path, QString *reason)
{
    if (QFileInfo(path).isDir()) {
        QFile folder(path);
        folder.remove();
        *reason = folder.errorString();
        return false;
    }
    return platform::moveToTrash(path, reason) != platform::TrashOutcome::Failed;
}
} // namespace

void populateSetFileList(MainWindowForm &form)
{
    for (const QString &name : std::as_const(appState().setFileNames))
        form.listChooseSetting->addItem(name);
}

void relistSetFileList(MainWindowForm &form, const QStringList &listed)
{
    QListWidget *list = form.listChooseSetting;
    const QSet<QString> names(listed.cbegin(), listed.cend());
    // Taking out the current item would make a neighbour current, and so the chosen set.
    if (list->currentItem() && !names.contains(list->currentItem()->text()))
        list->setCurrentItem(nullptr);
    for (int row = list->count() - 1; row >= 0; --row) {
        if (!names.contains(list->item(row)->text()))
            delete list->takeItem(row);
    }
    for (int row = 0; row < int(listed.size()); ++row) {
        if (row == list->count() || list->item(row)->text() != listed.at(row))
            list->insertItem(row, listed.at(row));
    }
    // Names that differ only in case may come in another order than before; such a name was
    // inserted again above, and its old row is left over at the end.
    while (list->count() > int(listed.size())) {
        const int last = list->count() - 1;
        if (list->currentRow() == last)
            list->setCurrentRow(int(listed.indexOf(list->item(last)->text())));
        delete list->takeItem(last);
    }
}

void showChosenSetFile(MainWindowForm &form, QListWidgetItem *current)
{
    const QString name = current ? current->text() : QString();
    form.SelectedSetting->setText(name);
    appState().selectedSetFile = name;
}

bool loadChosenSetFile(MainWindowForm &form, QWidget *window)
{
    AppState &state = appState();
    if (state.selectedSetFile.isEmpty())
        return false;
    const QString path = setFilePath(state.selectedSetFile);
    const SetFileResult result = readSetFile(path);
    if (!result.ok()) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Read, path, result.errorText);
        return false;
    }
    ModViewBatch batch(form);
    form.inputOtherCommands->setText(state.loadedOtherCommands);
    for (const ModGroupFacts &group : modGroups)
        tickNamedItems(modList(form, group), group.loadedMods());
    return true;
}

void deleteChosenSetFile(MainWindowForm &form, QWidget *window)
{
    const QString name = appState().selectedSetFile;
    if (name.isEmpty())
        return;
    const QString path = setFilePath(name);
    QString reason;
    if (QFile::exists(path) && !removeSetFile(path, &reason)) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Delete, path, reason);
        return;
    }
    refreshSetFileNames();
    delete form.listChooseSetting->takeItem(form.listChooseSetting->currentRow());
}

void saveChosenSetFile(MainWindowForm &, QWidget *window)
{
    const QString name = appState().selectedSetFile;
    if (name.isEmpty())
        return;
    const QString path = setFilePath(name);
    if (!QFile::exists(path))
        return;
    const SetFileResult result = writeSetFile(path);
    if (!result.ok())
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path,
                        result.errorText);
}
