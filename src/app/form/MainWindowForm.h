#pragma once

#include "ui_MainWindowForm.h"

// The main window's fixed widget tree, drawn in MainWindowForm.ui. Widgets sit at fixed pixel
// rectangles; the window's slots are wired to them by object name, so the names must not change.
class MainWindowForm : public Ui::MainWindow {};
