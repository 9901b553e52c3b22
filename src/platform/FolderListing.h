#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The names of the plain, visible files of a folder, every extension included, ordered by name
// ignoring case: what QDir::entryList(QDir::Files, QDir::Name | QDir::IgnoreCase) gives, in
// the same order, names that differ only in case included. A link counts as a file when what
// it points to exists and is no folder. A folder that cannot be read gives no names.
QStringList listPlainFiles(const QString &folderPath);

// What the listings order names by: a name comes before another when its key is less.
QString listingOrderKey(const QString &name);

// Whether the system hides a file from listings by its name alone: a name that begins with a
// dot, except on Windows, where only a file's attribute hides it.
bool nameHidesFile(const QString &fileName);

} // namespace platform
