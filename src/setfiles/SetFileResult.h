#pragma once

#include "ini/IniFile.h"

#include <QString>

// Outcome of reading or writing a set file: the INI store's status and, on failure, the
// system's reason, ready for a message.
struct SetFileResult {
    int status = IniFile::StatusOk;
    QString errorText;

    bool ok() const { return status == IniFile::StatusOk; }
};
