#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The names of the plain, visible files of a folder, every extension included, ordered by name
// ignoring case: what QDir::entryList(QDir::Files, QDir::Name | QDir::IgnoreCase) gives, in the
// same order, except that names differing only in case are ordered by the names themselves. A
// link counts as a file when what it points to exists and is no folder. A folder that cannot be
// read gives no names.
QStringList listPlainFiles(const QString &folderPath);

// Whether the system hides a file from listings by its name alone: a name that begins with a
// dot, except on Windows, where only a file's attribute hides it.
bool nameHidesFile(const QString &fileName);

} // namespace platform
