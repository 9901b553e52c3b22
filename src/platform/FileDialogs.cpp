#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace platform {
namespace {
FileDialogAnswer execute(QFileDialog *dialog)
{
    FileDialogAnswer answer;
    answer.accepted = dialog->exec() == QDialog::Accepted;
    if (answer.accepted)
        answer.selectedFiles = dialog->selectedFiles();
    return answer;
}
} // namespace

FileDialogAnswer runFileDialog(QFileDialog *dialog)
{
    return fileDialogSeam.call(execute, dialog);
}

} // namespace platform
