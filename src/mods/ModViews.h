#pragma once

#include "mods/ModOptionsCache.h"
#include "mods/TextSplice.h"

#include <QObject>

#include <array>

class MainWindowForm;
class ModTable;
class QLineEdit;
class QPlainTextEdit;

// What stands behind the selected-mods and command-line views of one main window. It hangs
// below the window's "Displays" group, so it lives and dies with the window.
//
// Re-rendering both views from the tables for every tick would cost a walk over all ticked
// mods and a fresh layout of thousands of lines each time. Instead a tick patches the one line
// of the selected-mods document and the one option of the cached command line that it
// changes; the views then hold the same text a full re-rendering would give. Whenever the
// tables or the document were changed some other way, the next step renders afresh.
class ModViews : public QObject {
    Q_OBJECT

public:
    static ModViews &of(MainWindowForm &form);

    // The item of entry `index` (or -1 when no entry has its name) of the table now has this
    // tick. Brings the table and both views up to date.
    void itemChanged(ModTable &table, int index, bool ticked);
    void otherCommandsChanged(const QString &text);
    // Both views, as new items appear.
    void itemsAdded();

    // Full re-rendering from the tables.
    void refreshSelectedMods();
    void refreshCommandLine();

    void beginBatch() { ++batchDepth; }
    void endBatch();

private:
    using Revisions = std::array<quint64, 3>;

    explicit ModViews(MainWindowForm &form);

    static Revisions tableRevisions();
    bool selectedModsCurrent() const;
    void patchSelectedMods(const TextSplice &splice);
    void showSelectedModsFromStart();
    void renderBoth();

    QPlainTextEdit *selectedMods;
    QLineEdit *commandLine;
    ModOptionsCache modOptions;
    bool selectedModsRendered = false;
    Revisions selectedModsRevisions{};

    int batchDepth = 0;
    bool selectedModsDue = false;
    bool commandLineDue = false;
};
