#include "mods/ModViewBatch.h"

#include "mods/ModLists.h"

namespace {
// There is one window, and a batch never outlives the handler that opened it.
int openBatches = 0;
bool selectedModsDue = false;
bool commandLineDue = false;
} // namespace

ModViewBatch::ModViewBatch(MainWindowForm &form)
    : form(form)
{
    ++openBatches;
}

ModViewBatch::~ModViewBatch()
{
    if (--openBatches > 0)
        return;
    if (selectedModsDue)
        refreshSelectedMods(form);
    if (commandLineDue)
        refreshCommandLine(form);
    selectedModsDue = false;
    commandLineDue = false;
}

bool ModViewBatch::deferSelectedMods()
{
    selectedModsDue = selectedModsDue || openBatches > 0;
    return openBatches > 0;
}

bool ModViewBatch::deferCommandLine()
{
    commandLineDue = commandLineDue || openBatches > 0;
    return openBatches > 0;
}
