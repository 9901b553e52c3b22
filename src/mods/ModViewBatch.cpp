#include "mods/ModViewBatch.h"

#include "mods/ModViews.h"

ModViewBatch::ModViewBatch(MainWindowForm &form)
    : views(&ModViews::of(form))
{
    views->beginBatch();
}

ModViewBatch::~ModViewBatch()
{
    if (views)
        views->endBatch();
}
