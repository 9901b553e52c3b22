#pragma once

#include "app/form/MessageTexts.h"

class QString;
class QWidget;

enum class FileFailure { Read, Write, Delete };
// The title: "Varnhold locations" for options.ini, "Halvane v5" for the other files.

// Warns that the file at `path` could not be read, written or deleted, and the system's reason.
void warnFileFailure(QWidget *parent, MessageTitle title, FileFailure failure, const QString &path,
                     const QString &reason);
