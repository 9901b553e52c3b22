#pragma once

#include <QDialog>

class SetNameForm;

// Asks for the name of a new set file; an accepted name is kept in the shared state.
class SetName : public QDialog {
    Q_OBJECT

public:
    explicit SetName(QWidget *parent = nullptr);
    ~SetName() override;

private slots:
    void on_buttonBox_rejected();
    void on_buttonBox_accepted();

private:
    SetNameForm *ui;
};

// Runs a new dialog modally over the parent: 1 when a name was accepted, 0 when cancelled.
int runSetNameDialog(QWidget *parent);
