#include "setfiles/SetName.h"

#include "app/state/AppState.h"
#include "setfiles/SetNameForm.h"

#include <QLineEdit>
#include <QPointer>

SetName::SetName(QWidget *parent)
    : QDialog(parent)
    , ui(new SetNameForm)
{
    ui->setupUi(this);
}

SetName::~SetName()
{
    delete ui;
}

void SetName::on_buttonBox_rejected()
{
    done(QDialog::Rejected);
}

void SetName::on_buttonBox_accepted()
{
    appState().newSetName = ui->Name->text();
    done(QDialog::Accepted);
}

int runSetNameDialog(QWidget *parent)
{
    // The parent may go while the dialog runs and take the dialog with it.
    QPointer<SetName> dialog = new SetName(parent);
    const int result = dialog->exec();
    delete dialog;
    return result;
}
