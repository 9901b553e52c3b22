#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// What QDir::entryList(QDir::Files, QDir::Name | QDir::IgnoreCase) gives, except that names
// differing only in case are ordered by the names themselves.
QStringList listPlainFiles(const QString &folderPath);

// Whether the system hides a file from listings by its name alone: a name that begins with a
// dot, except on Windows, where only a file's attribute hides it.
bool nameHidesFile(const QString &fileName);

} // namespace platform
