#include "setfiles/SetFileCreate.h"

#include "setfiles/SetFileCreateForm.h"

#include <QPointer>

SetFileCreate::SetFileCreate(QWidget *parent)
    : QDialog(parent)
    , ui(new SetFileCreateForm)
{
    ui->setupUi(this);
}

SetFileCreate::~SetFileCreate()
{
    delete ui;
}

void SetFileCreate::on_Cancel_clicked()
{
    done(Cancelled);
}

void SetFileCreate::on_CreateWithSelected_clicked()
{
    done(WithSelectedMods);
}

void SetFileCreate::on_CreateBlank_clicked()
{
    done(Blank);
}

int runSetFileCreateDialog(QWidget *parent)
{
    // The parent may go while the dialog runs and take the dialog with it.
    QPointer<SetFileCreate> dialog = new SetFileCreate(parent);
    const int choice = dialog->exec();
    delete dialog;
    return choice;
}
