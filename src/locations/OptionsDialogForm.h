#pragma once

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The locations dialog's fixed widget tree. The dialog's slots are wired to the widgets by
// object name, so the names must not change; the creation order is the focus order.
class OptionsDialogForm {
public:
    QPushButton *browseExecutable = nullptr;
    QPushButton *browseModDir = nullptr;
    QLabel *executablePathLabel = nullptr;
    QLabel *modFolderLabel = nullptr;
    QLineEdit *modFolder = nullptr;
    QLineEdit *executablePath = nullptr;
    QLabel *modPathExample = nullptr;
    QPushButton *browseConfig = nullptr;
    QLabel *modFolderLabel_2 = nullptr;
    QLineEdit *ConfigFile = nullptr;
    QDialogButtonBox *buttonBox = nullptr;

    void setupForm(QDialog *dialog);
    void translateForm(QDialog *dialog);

private:
    void setFixedSizing(QDialog *dialog);
};
