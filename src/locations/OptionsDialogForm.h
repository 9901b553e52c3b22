#pragma once

#include "ui_OptionsDialogForm.h"

// The locations dialog's fixed widget tree, drawn in OptionsDialogForm.ui. The dialog's slots
// are wired to the widgets by object name, so the names must not change; the creation order is
// the focus order.
class OptionsDialogForm : public Ui::OptionsDialog {};
