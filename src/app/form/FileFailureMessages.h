#pragma once

#include "app/form/MessageTexts.h"

class QString;
class QWidget;

enum class FileFailure { Read, Write, Delete };
// The title says which of the tool's files the warning is about: "Varnhold locations" for
// options.ini, "Halvane v5" for the set files and the game's configuration.

// Warns that the file at `path` could not be read, written or deleted, and the system's reason.
void warnFileFailure(QWidget *parent, MessageTitle title, FileFailure failure, const QString &path,
                     const QString &reason);
