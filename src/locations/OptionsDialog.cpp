#include "locations/OptionsDialog.h"

#include "app/state/AppState.h"
#include "locations/LocationSettings.h"
#include "locations/OptionsDialogForm.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

#include <memory>

OptionsDialog::OptionsDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new OptionsDialogForm)
{
    ui->setupUi(this);
    // The configuration field starts filled as well: OK insists on an existing file there.
    const AppState &state = appState();
    ui->modPathExample->setText(QStringLiteral("Example: C:/Program Files/Varnhold/mods"));
    ui->executablePath->setText(state.exePath);
    ui->modFolder->setText(state.modFolderPath);
    ui->ConfigFile->setText(state.configFilePath);
}

OptionsDialog::~OptionsDialog()
{
    delete ui;
}

// File dialogs stay children of this dialog and go with it.
QFileDialog *OptionsDialog::newFileDialog(const QString &startFolder)
{
    auto *fileDialog = new QFileDialog(this, Qt::Dialog);
    fileDialog->setDirectory(startFolder);
    return fileDialog;
}

void OptionsDialog::browseInto(QFileDialog *fileDialog, QLineEdit *field)
{
    const platform::FileDialogAnswer answer = platform::runFileDialog(fileDialog);
    if (answer.accepted && !answer.selectedFiles.isEmpty())
        field->setText(answer.selectedFiles.first());
}

void OptionsDialog::on_browseConfig_clicked()
{
    QFileDialog *fileDialog = newFileDialog(ui->ConfigFile->text());
    fileDialog->setNameFilters({QStringLiteral("Any files (*)")});
    browseInto(fileDialog, ui->ConfigFile);
}

void OptionsDialog::reject()
{
    done(Cancelled);
}

void OptionsDialog::on_buttonBox_rejected()
{
    reject();
}

void OptionsDialog::on_buttonBox_accepted()
{
    if (locationsExist(ui->executablePath->text(), ui->modFolder->text(), ui->ConfigFile->text())) {
        AppState &state = appState();
        state.exePath = ui->executablePath->text();
        state.modFolderPath = ui->modFolder->text();
        state.configFilePath = ui->ConfigFile->text();
        done(Stored);
        return;
    }
    platform::showInformation(
        this, QCoreApplication::translate("OptionsDialog", "Varnhold locations"),
        QCoreApplication::translate("OptionsDialog",
                                    "One of the entered paths is invalid, please enter a valid "
                                    "path."));
}

void OptionsDialog::on_browseModDir_clicked()
{
    QFileDialog *fileDialog = newFileDialog(ui->modFolder->text());
    fileDialog->setFileMode(QFileDialog::Directory);
    fileDialog->setOption(QFileDialog::ShowDirsOnly, true);
    browseInto(fileDialog, ui->modFolder);
}

void OptionsDialog::on_browseExecutable_clicked()
{
    QFileDialog *fileDialog = newFileDialog(ui->executablePath->text());
    fileDialog->setNameFilters(
        {QStringLiteral("EXE Files (*.exe)"), QStringLiteral("Any files (*)")});
    browseInto(fileDialog, ui->executablePath);
}

int runOptionsDialog(QWidget *parent)
{
    const auto dialog = std::make_unique<OptionsDialog>(parent);
    return dialog->exec();
}
