#pragma once

#include "platform/DetachedStart.h"

#include <QString>

// The game's start for the current selection: the executable, made absolute against the
// tool's working folder, as the program; one argument per ticked mod, its option and full
// name, whatever characters it holds; then the other options split by the usual quoting rules
// (white space separates words outside double quotes, a lone quote toggles quoting, two in a
// row change nothing, three stand for one literal quote); and the executable's folder to work
// in.
platform::DetachedStartRequest buildLaunchRequest();

// The executable's path cut before its last folder separator ("/", on Windows also "\").
// Empty, meaning the current working folder, for a bare program name; a path at the top of
// a file system keeps its separator, so "/varnhold" works in "/" and "C:/v.exe" in "C:/".
QString gameWorkingFolder(const QString &exePath);
