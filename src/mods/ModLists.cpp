#include "mods/ModLists.h"

#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "mods/ModCatalogue.h"
#include "mods/ModSelectionText.h"
#include "mods/ModViewBatch.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessExit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBox>
#include <QTreeWidget>

#include <memory>

namespace {
// A checkable, unticked item with no text yet.
QTreeWidgetItem *uncheckedItem()
{
    auto *item = new QTreeWidgetItem();
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    return item;
}

// A copy shares the flags and the check state of its original until either changes, so
// naming copies of one unchecked item builds the same items with a fraction of the
// allocations, which counts with thousands of mods.
QTreeWidgetItem *namedCopy(const QTreeWidgetItem &original, const QString &name)
{
    auto *item = new QTreeWidgetItem(original);
    item->setText(0, name);
    return item;
}

// The first time an item changes, the list looks its row up by searching its items from the
// last one, and remembers the row from then on; ticking every item of a long list for the
// first time, as loading a set does, would cost time in the square of its length. So the items
// join a few dozen at a time, and the list looks each one up at once, while it is among the
// last ones (asking for the item's widget does that, and costs nothing else).
void addRememberingRows(QTreeWidget *list, const QList<QTreeWidgetItem *> &items)
{
    constexpr qsizetype itemsAtOnce = 64;
    for (qsizetype first = 0; first < items.size(); first += itemsAtOnce) {
        const QList<QTreeWidgetItem *> some = items.mid(first, itemsAtOnce);
        list->addTopLevelItems(some);
        for (QTreeWidgetItem *item : some)
            list->itemWidget(item, 0);
    }
}

// Rendering thousands of ticked names afresh for each tick takes longer than a frame; instead
// the tick adds or removes its own line, which leaves the view as a full rendering would: the
// k-th paragraph of the view is the k-th ticked name's. When the view holds another number of
// paragraphs than there are ticked names (a name that breaks a paragraph of its own, or a table
// changed behind the handlers), it says no and changes nothing.
bool patchSelectedMods(QPlainTextEdit *view, int line, const QString &name, bool ticked)
{
    QTextDocument *document = view->document();
    const int linesBefore = document->blockCount() - 1;
    const int tickedNow = selectedModsLineCount();
    const int tickedBefore = ticked ? tickedNow - 1 : tickedNow + 1;
    if (linesBefore != tickedBefore)
        return false;
    QTextCursor cursor(document->findBlockByNumber(line));
    if (ticked) {
        cursor.insertText(name + QLatin1Char('\n'));
    } else {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    view->moveCursor(QTextCursor::Start); // where a full rendering leaves it
    return true;
}

// The items are made before they join the list, so that no itemChanged is emitted per item;
// what those signals would have done to the table (every entry unticked) is done here.
int addItems(QTreeWidget *list, ModTable &table)
{
    // Every row is one line of the same font. Saying so spares the view from adding up the
    // heights of all rows above an item each time one changes, which for a tick far down a
    // list of thousands costs more than everything else together.
    list->setUniformRowHeights(true);
    const std::unique_ptr<QTreeWidgetItem> unnamed(uncheckedItem());
    QList<QTreeWidgetItem *> items;
    items.reserve(table.size());
    for (int index = 0; index < table.size(); ++index) {
        items.append(namedCopy(*unnamed, table.at(index).name));
        table.setTicked(index, false);
    }
    addRememberingRows(list, items);
    return int(items.size());
}
} // namespace

QTreeWidget *modList(MainWindowForm &form, const ModGroupFacts &group)
{
    return form.toolBox->findChild<QTreeWidget *>(QLatin1String(group.listName));
}

bool scanModFolders(QWidget *window)
{
    const ModFolderScan scan = scanModSubfolders(appState().modFolderPath);
    if (scan.complete())
        return true;
    platform::showWarning(window, messageTitle(MessageTitle::VarnholdLocations),
                          modFolderMissingText(scan.missingFolder));
    platform::exitProcess(scan.missing->missingSubfolderStatus);
    return false;
}

void populateModLists(MainWindowForm &form)
{
    int added = 0;
    for (const ModGroupFacts &group : modGroups)
        added += addItems(modList(form, group), group.mods());
    if (added > 0)
        renderViews(form);
}

void modItemChanged(MainWindowForm &form, ModTable &table, QTreeWidgetItem *item, int column)
{
    const bool ticked = item->data(column, Qt::CheckStateRole).toInt() == Qt::Checked;
    const QString name = item->data(column, Qt::DisplayRole).toString();
    const int index = table.indexOf(name);
    if (index < 0 || table.at(index).ticked == ticked) {
        renderViews(form);
        return;
    }
    table.setTicked(index, ticked);
    // Finding the line walks the tables, which a batch of thousands of ticks must not do for each.
    if (ModViewBatch::deferViews())
        return;
    if (!patchSelectedMods(form.SelectedMods, selectedModsLine(table, index), name, ticked))
        refreshSelectedMods(form);
    refreshCommandLine(form);
}

void otherCommandsChanged(MainWindowForm &form, const QString &text)
{
    appState().otherCommands = text;
    if (!ModViewBatch::deferViews())
        refreshCommandLine(form);
}

void renderViews(MainWindowForm &form)
{
    if (ModViewBatch::deferViews())
        return;
    refreshSelectedMods(form);
    refreshCommandLine(form);
}

void refreshSelectedMods(MainWindowForm &form)
{
    form.SelectedMods->setPlainText(composeSelectedMods());
}

void refreshCommandLine(MainWindowForm &form)
{
    // The line edit keeps no more; with tens of thousands of mods ticked, composing the whole
    // line would cost more than all else a tick does.
    form.CurrentCommandLine->setText(composeCommandLine(form.CurrentCommandLine->maxLength()));
}

QList<QTreeWidgetItem *> makeModItems(const QStringList &names)
{
    const std::unique_ptr<QTreeWidgetItem> unnamed(uncheckedItem());
    QList<QTreeWidgetItem *> items;
    items.reserve(names.size());
    for (const QString &name : names)
        items.append(namedCopy(*unnamed, name));
    return items;
}

void appendModItems(QTreeWidget *list, const QList<QTreeWidgetItem *> &items)
{
    addRememberingRows(list, items);
}
