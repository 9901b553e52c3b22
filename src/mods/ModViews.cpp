#include "mods/ModViews.h"

#include "app/AppState.h"
#include "app/MainWindowForm.h"
#include "mods/ModSelectionText.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

ModViews::ModViews(MainWindowForm &form)
    : QObject(form.groupBox)
    , selectedMods(form.SelectedMods)
    , commandLine(form.CurrentCommandLine)
{
    setObjectName(QStringLiteral("modViews"));
    // A full re-rendering empties the undo history every time; patches must not build one up.
    selectedMods->document()->setUndoRedoEnabled(false);
}

ModViews &ModViews::of(MainWindowForm &form)
{
    auto *views = form.groupBox->findChild<ModViews *>(QString(), Qt::FindDirectChildrenOnly);
    if (!views)
        views = new ModViews(form);
    return *views;
}

void ModViews::itemChanged(ModTable &table, int index, bool ticked)
{
    const std::optional<ModGroup> group = groupOfTable(table);
    const bool changes = index >= 0 && table.at(index).ticked != ticked;
    if (batchDepth > 0 || !group) {
        if (changes)
            table.setTicked(index, ticked);
        renderBoth();
        return;
    }
    if (changes) {
        const bool patchable = selectedModsCurrent();
        if (patchable)
            patchSelectedMods(selectedModsSplice(*group, index, ticked));
        modOptions.setTicked(*group, index, ticked);
        if (patchable)
            selectedModsRevisions = tableRevisions();
    }
    if (selectedModsCurrent())
        showSelectedModsFromStart();
    else
        refreshSelectedMods();
    refreshCommandLine();
}

void ModViews::otherCommandsChanged(const QString &text)
{
    appState().otherCommands = text;
    if (batchDepth > 0)
        commandLineDue = true;
    else
        refreshCommandLine();
}

void ModViews::itemsAdded()
{
    renderBoth();
}

void ModViews::refreshSelectedMods()
{
    selectedMods->setPlainText(composeSelectedMods());
    selectedModsRendered = true;
    selectedModsRevisions = tableRevisions();
}

void ModViews::refreshCommandLine()
{
    commandLine->setText(
        composeCommandLine(modOptions.text(), appState().otherCommands, commandLine->maxLength()));
}

void ModViews::endBatch()
{
    if (batchDepth == 0 || --batchDepth > 0)
        return;
    if (selectedModsDue)
        refreshSelectedMods();
    if (commandLineDue)
        refreshCommandLine();
    selectedModsDue = false;
    commandLineDue = false;
}

ModViews::Revisions ModViews::tableRevisions()
{
    Revisions revisions;
    for (std::size_t i = 0; i < allModGroups.size(); ++i)
        revisions[i] = modTable(allModGroups[i]).revision();
    return revisions;
}

// The document shows the tables as they are, as far as can be told without reading it: no
// table changed since it was rendered, and it holds as many characters as it should.
bool ModViews::selectedModsCurrent() const
{
    if (!selectedModsRendered || selectedModsRevisions != tableRevisions())
        return false;
    qsizetype length = 0;
    for (const ModGroup group : allModGroups)
        length += modTable(group).tickedNameLength() + modTable(group).tickedCount();
    // The document counts one more character: the separator after its last block.
    return selectedMods->document()->characterCount() == length + 1;
}

void ModViews::patchSelectedMods(const TextSplice &splice)
{
    QTextCursor cursor(selectedMods->document());
    cursor.setPosition(int(splice.position));
    if (splice.removed > 0) {
        cursor.setPosition(int(splice.position + splice.removed), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    if (!splice.inserted.isEmpty())
        cursor.insertText(splice.inserted);
}

// A full re-rendering leaves the view scrolled to its start with no selection; so does a patch.
void ModViews::showSelectedModsFromStart()
{
    selectedMods->moveCursor(QTextCursor::Start);
}

void ModViews::renderBoth()
{
    if (batchDepth > 0) {
        selectedModsDue = true;
        commandLineDue = true;
        return;
    }
    refreshSelectedMods();
    refreshCommandLine();
}
