#pragma once

#include "ini/IniFile.h"

#include <QString>

// Outcome of reading or writing a set file: the INI store's status and the system's reason.
struct SetFileResult {
    int status = IniFile::StatusOk;
    QString errorText;

    bool ok() const { return status == IniFile::StatusOk; }
};
