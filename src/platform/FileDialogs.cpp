#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace platform {
namespace {
FileDialogHandler &handler()
{
    static FileDialogHandler current;
    return current;
}
} // namespace

FileDialogAnswer runFileDialog(QFileDialog *dialog)
{
    if (handler())
        return handler()(dialog);
    FileDialogAnswer answer;
    answer.accepted = dialog->exec() == QDialog::Accepted;
    if (answer.accepted)
        answer.selectedFiles = dialog->selectedFiles();
    return answer;
}

void setFileDialogHandler(FileDialogHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
