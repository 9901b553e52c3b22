#pragma once

#include "ui_SetNameForm.h"

// The widgets of the dialog that asks for the name of a new set file, drawn in SetNameForm.ui.
// The button box reaches the standard accept() and reject() before the dialog's own slots,
// which are wired by object name, so the names must not change.
class SetNameForm : public Ui::SetName {};
