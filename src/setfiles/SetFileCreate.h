#pragma once

#include <QDialog>

class SetFileCreateForm;

// Asks whether a new set file starts blank or with the mods ticked now.
class SetFileCreate : public QDialog {
    Q_OBJECT

public:
    // The codes the dialog ends with; closing it from the title bar or with Escape cancels.
    enum Choice { Cancelled = 0, WithSelectedMods = 1, Blank = 2 };

    explicit SetFileCreate(QWidget *parent = nullptr);
    ~SetFileCreate() override;

private slots:
    void on_Cancel_clicked();
    void on_CreateWithSelected_clicked();
    void on_CreateBlank_clicked();

private:
    SetFileCreateForm *ui;
};

// Runs a new dialog modally over the parent and returns its choice.
int runSetFileCreateDialog(QWidget *parent);
