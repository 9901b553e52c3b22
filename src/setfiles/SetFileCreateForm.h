#pragma once

#include "ui_SetFileCreateForm.h"

// The widgets of the set-creation dialog, drawn in SetFileCreateForm.ui; slots are wired by name.
class SetFileCreateForm : public Ui::SetFileCreate {};
