#pragma once

class QDialog;
class QPushButton;

// The widgets of the dialog that asks how a new set file is to be made. The dialog's slots
// are wired to them by object name, so the names must not change.
class SetFileCreateForm {
public:
    QPushButton *CreateBlank = nullptr;
    QPushButton *CreateWithSelected = nullptr;
    QPushButton *Cancel = nullptr;

    void setupForm(QDialog *dialog);
    void translateForm(QDialog *dialog);
};
