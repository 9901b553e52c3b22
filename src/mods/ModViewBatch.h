#pragma once

class MainWindowForm;

// While a batch is open, ticks still reach the tables at once, but the two views are rendered
// only when the outermost batch ends, once: ticking thousands of items stays quick. Batches nest.
class ModViewBatch {
public:
    explicit ModViewBatch(MainWindowForm &form);
    ~ModViewBatch();
    ModViewBatch(const ModViewBatch &) = delete;
    ModViewBatch &operator=(const ModViewBatch &) = delete;

    static bool deferViews();

private:
    MainWindowForm &form;
};
