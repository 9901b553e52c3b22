#pragma once

#include "ui_SetNameForm.h"

// The widgets of the set-name dialog, drawn in SetNameForm.ui; slots are wired by object name.
class SetNameForm : public Ui::SetName {};
