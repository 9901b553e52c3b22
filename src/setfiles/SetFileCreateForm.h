#pragma once

#include "ui_SetFileCreateForm.h"

// The widgets of the dialog that asks how a new set file is to be made, drawn in
// SetFileCreateForm.ui. The dialog's slots are wired to them by object name, so the names must
// not change.
class SetFileCreateForm : public Ui::SetFileCreate {};
