#pragma once

#include <QStringList>

#include <functional>

class QFileDialog;

namespace platform {

struct FileDialogAnswer {
    bool accepted = false;
    QStringList selectedFiles;
};

// Runs a prepared file dialog modally and returns what the user chose.
FileDialogAnswer runFileDialog(QFileDialog *dialog);

using FileDialogHandler = std::function<FileDialogAnswer(QFileDialog *dialog)>;

// Lets a test inspect the prepared dialog and answer it; an empty handler restores exec().
void setFileDialogHandler(FileDialogHandler handler);

} // namespace platform
