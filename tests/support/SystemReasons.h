#pragma once

#include <QString>

// The system's own reason for a failed file operation, as the tool receives it. The words
// differ between systems, and on Windows even between situations that POSIX tells apart.
namespace reasons {

QString belowRegularFile();               // a path through a regular file, as if it were a folder
QString missingFile();                    // a path to nothing in an existing folder
QString missingFolder();                  // a path through a folder that does not exist
QString folderOpenedAsFile();             // a folder opened for reading as if it were a file
QString folderDeleted();                  // a folder removed as if it were a file
QString folderStarted();                  // a folder started as if it were a program
QString notAProgram(const QString &path); // a plain file started as if it were a program

// The reason as it stands in one of the tool's messages, before the message's full stop.
QString inMessage(const QString &reason);

} // namespace reasons
