#pragma once

class MainWindowForm;

// Ticks many mod list items at once without rendering the views for each of them: while a
// batch is open, every itemChanged of the three lists still brings its table up to date at
// once, and a change of the other options still reaches `otherCommands`, but the
// selected-mods and command-line views are rendered only when the outermost batch ends, once,
// to exactly what the last handler would have left in them. Batches nest.
//
// Loading a set file that ticks thousands of items:
//
//     {
//         ModViewBatch batch(form);
//         form.inputOtherCommands->setText(loadedOtherCommands);
//         for (...)
//             item->setCheckState(0, Qt::Checked);
//     } // both views are current from here on
class ModViewBatch {
public:
    explicit ModViewBatch(MainWindowForm &form);
    ~ModViewBatch();
    ModViewBatch(const ModViewBatch &) = delete;
    ModViewBatch &operator=(const ModViewBatch &) = delete;

    // True while a batch is open: the views are then rendered when the batch ends.
    static bool deferViews();

private:
    MainWindowForm &form;
};
