#pragma once

#include "ui_OptionsDialogForm.h"

// The locations dialog's widgets, drawn in OptionsDialogForm.ui; slots are wired by object
// name, and the creation order is the focus order.
class OptionsDialogForm : public Ui::OptionsDialog {};
