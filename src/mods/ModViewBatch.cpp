#include "mods/ModViewBatch.h"

#include "mods/ModLists.h"

namespace {
// There is one window, and a batch never outlives the handler that opened it.
int openBatches = 0;
bool viewsDue = false;
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
    if (!viewsDue)
        return;
    viewsDue = false;
    refreshSelectedMods(form);
    refreshCommandLine(form);
}

bool ModViewBatch::deferViews()
{
    viewsDue = viewsDue || openBatches > 0;
    return openBatches > 0;
}
