#pragma once

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The widgets of the dialog that asks for the name of a new set file. The dialog's slots
// are wired to them by object name, so the names must not change.
class SetNameForm {
public:
    QDialogButtonBox *buttonBox = nullptr;
    QLineEdit *Name = nullptr;
    QLabel *label = nullptr;

    void setupForm(QDialog *dialog);
    void translateForm(QDialog *dialog);
};
