#pragma once

#include <QString>

// The "Set Files" folder where the tool keeps its files, and the paths of the files in it.
QString setFileFolderPath();
QString setFilePath(const QString &fileName);

// Creates the folder when it is missing; false when it still does not exist afterwards.
bool makeSetFileFolder();
