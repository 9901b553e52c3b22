#pragma once

#include "platform/TestSeam.h"

#include <QStringList>

class QFileDialog;

namespace platform {

struct FileDialogAnswer {
    bool accepted = false;
    QStringList selectedFiles;
};

// Runs a prepared file dialog modally and returns what the user chose.
FileDialogAnswer runFileDialog(QFileDialog *dialog);

// Lets a test inspect the prepared dialog and answer it instead of the user.
inline TestSeam<FileDialogAnswer(QFileDialog *dialog)> fileDialogSeam;

} // namespace platform
